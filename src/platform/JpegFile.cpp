#include "platform/JpegFile.h"

#include "platform/Exceptions.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace platform {

namespace {

// The decoder's allocations stay within this, whatever the file claims to be.
constexpr long memoryLimit = 64L << 20;

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void onDecoderError(j_common_ptr decoder)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(decoder->err)->escape, 1);
}

// Warnings (a truncated file, stray bytes) are not failures: what decodes is shown.
void onDecoderMessage(j_common_ptr, int) {}

// Opens path for reading without ever blocking (a FIFO would), and only as a regular file.
FILE* openRegularFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw FileOpenError(path, errno);
    struct stat info = {};
    int error = ::fstat(fd, &info) == 0 ? 0 : errno;
    if (!error && !S_ISREG(info.st_mode))
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    FILE* file = error ? nullptr : ::fdopen(fd, "rb");
    if (!file) {
        error = error ? error : errno;
        ::close(fd);
        throw FileOpenError(path, error);
    }
    return file;
}

// Everything between setjmp and a decoder error is plain C data, so the jump skips
// no destructor. Returns 0, or the decoder's message number.
int decode(jpeg_decompress_struct& decoder, ErrorManager& errors, FILE* file, QSize visible, QImage& image,
           bool& cmyk)
{
    if (setjmp(errors.escape))
        return errors.base.msg_code;

    jpeg_stdio_src(&decoder, file);
    decoder.mem->max_memory_to_use = memoryLimit;
    jpeg_read_header(&decoder, TRUE);
    cmyk = decoder.jpeg_color_space == JCS_CMYK || decoder.jpeg_color_space == JCS_YCCK;
    decoder.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBX;
    jpeg_start_decompress(&decoder);

    const auto width = std::min<JDIMENSION>(decoder.output_width, visible.width());
    const auto height = std::min<JDIMENSION>(decoder.output_height, visible.height());
    JDIMENSION cropOffset = 0, cropWidth = width;
    if (width < decoder.output_width)
        jpeg_crop_scanline(&decoder, &cropOffset, &cropWidth);

    // Four bytes a pixel either way; CMYK is turned into RGB once decoding is over.
    image = QImage(static_cast<int>(cropWidth), static_cast<int>(height), QImage::Format_RGBX8888);
    while (decoder.output_scanline < height) {
        JSAMPROW row = image.scanLine(static_cast<int>(decoder.output_scanline));
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    return 0;
}

// CMYK JPEGs (Adobe's, in practice) store inverted ink, so each colour is ink times black.
void convertCmykToRgb(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar* pixel = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += 4) {
            const int black = pixel[3];
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = static_cast<uchar>(pixel[channel] * black / 255);
            pixel[3] = 255;
        }
    }
}

} // namespace

QImage loadJpegFile(const QString& path, QSize visible)
{
    FILE* file = openRegularFile(path);
    jpeg_decompress_struct decoder = {};
    ErrorManager errors = {};
    decoder.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onDecoderError;
    errors.base.emit_message = onDecoderMessage;
    jpeg_create_decompress(&decoder);

    QImage image;
    bool cmyk = false;
    const int code = decode(decoder, errors, file, visible, image, cmyk);
    jpeg_destroy_decompress(&decoder);
    std::fclose(file);
    if (code != 0)
        throw JpegError(code);
    if (cmyk)
        convertCmykToRgb(image);
    return image.copy(0, 0, std::min(image.width(), visible.width()), image.height());
}

} // namespace platform
