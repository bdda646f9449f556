#pragma once

#include <QColor>

class QWidget;

namespace platform {

inline const QColor clYellow{255, 255, 0};
// The desktop's button face: follows the current style's palette.
QColor clBtnFace();

// Paints a control's background in one colour. Styles ignore palette changes on
// some controls (check boxes), so this goes through a style sheet.
void setControlColor(QWidget* control, const QColor& color);

} // namespace platform
