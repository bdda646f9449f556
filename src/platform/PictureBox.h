#pragma once

#include <QImage>
#include <QWidget>

namespace platform {

// Shows a picture at its own size from its top-left corner, clipped to the box.
// Empty until a picture is loaded.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Replaces the picture with the one in the file; on failure (FileOpenError,
    // JpegError) the picture shown before stays.
    void loadFromFile(const QString& path);
    const QImage& picture() const { return shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage shown;
};

} // namespace platform
