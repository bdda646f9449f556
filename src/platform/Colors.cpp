#include "platform/Colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace platform {

QColor clBtnFace()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

void setControlColor(QWidget* control, const QColor& color)
{
    control->setStyleSheet(QStringLiteral("background-color: %1;").arg(color.name()));
}

} // namespace platform
