#include "JpegWriter.h"

#include <QFile>
#include <cstdio>
#include <stdexcept>
#include <vector>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace {

std::vector<JSAMPLE> rowOf(const QImage& rgb, int y, JpegKind kind)
{
    std::vector<JSAMPLE> row;
    for (int x = 0; x < rgb.width(); ++x) {
        const QRgb p = rgb.pixel(x, y);
        if (kind == JpegKind::Grayscale) {
            row.push_back(static_cast<JSAMPLE>(qGray(p)));
        } else if (kind == JpegKind::Cmyk) {
            // Stored inverted, as Adobe's CMYK JPEGs are: no black ink, colour ink only.
            row.insert(row.end(), {static_cast<JSAMPLE>(qRed(p)), static_cast<JSAMPLE>(qGreen(p)),
                                   static_cast<JSAMPLE>(qBlue(p)), 255});
        } else {
            row.insert(row.end(), {static_cast<JSAMPLE>(qRed(p)), static_cast<JSAMPLE>(qGreen(p)),
                                   static_cast<JSAMPLE>(qBlue(p))});
        }
    }
    return row;
}

} // namespace

void writeJpeg(const QString& path, const QImage& image, JpegKind kind, int quality)
{
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        throw std::runtime_error("cannot create test picture");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct encoder = {};
    jpeg_error_mgr errors = {};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    jpeg_stdio_dest(&encoder, file);
    encoder.image_width = static_cast<JDIMENSION>(rgb.width());
    encoder.image_height = static_cast<JDIMENSION>(rgb.height());
    encoder.input_components = kind == JpegKind::Grayscale ? 1 : kind == JpegKind::Cmyk ? 4 : 3;
    encoder.in_color_space = kind == JpegKind::Grayscale ? JCS_GRAYSCALE
                             : kind == JpegKind::Cmyk    ? JCS_CMYK
                                                         : JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, quality, TRUE);
    if (kind == JpegKind::Cmyk)
        jpeg_set_colorspace(&encoder, JCS_CMYK);
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&encoder);
    jpeg_start_compress(&encoder, TRUE);
    for (int y = 0; y < rgb.height(); ++y) {
        std::vector<JSAMPLE> row = rowOf(rgb, y, kind);
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&encoder, &pointer, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    std::fclose(file);
}
