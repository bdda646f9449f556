#include "Floor.h"

#include <cstdio>
#include <stdexcept>
#include <vector>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

std::size_t decodeJpegFloor(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw std::runtime_error("cannot open " + path);
    jpeg_decompress_struct decoder = {};
    jpeg_error_mgr errors = {};
    decoder.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&decoder);
    jpeg_stdio_src(&decoder, file);
    jpeg_read_header(&decoder, TRUE);
    decoder.out_color_space = JCS_EXT_RGBX;
    jpeg_start_decompress(&decoder);
    std::vector<JSAMPLE> pixels(std::size_t{decoder.output_width} * decoder.output_height * 4);
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = pixels.data() + std::size_t{decoder.output_scanline} * decoder.output_width * 4;
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    std::fclose(file);
    return pixels.size();
}
