#pragma once

#include <QString>

class QLabel;

namespace platform {

// Sets a label's caption and fits the label to it, its top-left corner staying put,
// so that a caption longer than the label's designed width is never cut off.
void setCaption(QLabel* label, const QString& caption);

} // namespace platform
