#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace platform {

// Decodes the JPEG file at path, only as far as its top-left region of the given size
// (a picture is shown at its own size from its top-left corner, so nothing else is seen).
// Throws FileOpenError when the file cannot be opened as a regular file, and JpegError
// with the decoder's message number when its content is refused.
QImage loadJpegFile(const QString& path, QSize visible);

} // namespace platform
