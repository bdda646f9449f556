// Any bytes as a lamp picture: a picture of at most the visible size, or the decoder's
// "Erreur JPEG #N". Run with a memory limit (-rss_limit_mb) and a time limit (-timeout).

#include "platform/Exceptions.h"
#include "platform/JpegFile.h"

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const int fd = memfd_create("lamp.jpg", 0);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        std::abort();
    const QSize visible(43, 41);
    try {
        const QImage image = platform::loadJpegFile(path, visible);
        if (image.isNull() || image.width() > visible.width() || image.height() > visible.height())
            std::abort();
    } catch (const platform::JpegError& e) {
        if (!e.message().startsWith(QStringLiteral("Erreur JPEG #")))
            std::abort();
    }
    return 0;
}
