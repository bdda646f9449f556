#include "platform/Form.h"

#include <QScreen>
#include <QShowEvent>
#include <QStyle>

namespace platform {

Form::Form(QWidget* parent) : QWidget(parent) {}

void Form::showEvent(QShowEvent* event)
{
    if (!placed && screen()) {
        placed = true;
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
    }
    QWidget::showEvent(event);
}

} // namespace platform
