#include "platform/LinkLabel.h"

#include <QMouseEvent>

namespace platform {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace platform
