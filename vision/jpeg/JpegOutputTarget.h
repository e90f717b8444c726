#pragma once

#include <cstdint>

// One image the decoder writes: width x height pixels of three bytes in the colour of `code`.
struct JpegOutputTarget
{
    enum Code { YCbCr = 0, RGB = 1, BGR = 2, HSV = 3, HLS = 4 };

    std::uint8_t* data = nullptr;
    int size = 0; // bytes
    int code = RGB;
};
