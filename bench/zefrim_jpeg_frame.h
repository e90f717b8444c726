// The frame of the JPEG benchmarks: a 640x480 picture with gradients, edges and noise, and the
// same picture as libjpeg-turbo writes it at quality 75 (4:2:0).
#pragma once

#include <cstdint>
#include <cstdio> // before jpeglib.h, which uses FILE
#include <cstdlib>
#include <jpeglib.h>
#include <random>
#include <vector>

namespace {

constexpr int frameWidth = 640;
constexpr int frameHeight = 480;

using Bytes = std::vector<uint8_t>;

// Something like a camera frame: gradients, edges and noise.
Bytes makeFrame()
{
    std::mt19937 random(1);
    std::uniform_int_distribution<int> noise(-8, 8);
    Bytes rgb(static_cast<size_t>(frameWidth) * frameHeight * 3);
    for (int y = 0; y < frameHeight; ++y)
        for (int x = 0; x < frameWidth; ++x)
            for (int c = 0; c < 3; ++c) {
                int v = (x / 3 + y / 2 + 60 * c) % 256 + noise(random);
                if (((x / 40) + (y / 40)) % 3 == 0)
                    v = 255 - v;
                rgb[(static_cast<size_t>(y) * frameWidth + x) * 3 + c] =
                    static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
            }
    return rgb;
}

Bytes compressFrame(const Bytes& rgb)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = frameWidth;
    cinfo.image_height = frameHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);  // YCbCr with 2x2 luma sampling: 4:2:0
    jpeg_set_quality(&cinfo, 75, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.data() + static_cast<size_t>(cinfo.next_scanline) *
                                                             frameWidth * 3);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes data(buffer, buffer + size);
    free(buffer);
    return data;
}

} // namespace
