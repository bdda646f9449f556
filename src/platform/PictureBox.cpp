#include "platform/PictureBox.h"

#include "platform/JpegFile.h"

#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::loadFromFile(const QString& path)
{
    shown = loadJpegFile(path, size());
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, shown);
}

} // namespace platform
