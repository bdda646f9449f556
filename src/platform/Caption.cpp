#include "platform/Caption.h"

#include <QLabel>

namespace platform {

void setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->resize(label->sizeHint());
}

} // namespace platform
