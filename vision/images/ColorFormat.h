#pragma once

#include <string>

// The colour formats of images, in the order the camera dialog lists them.
struct ColorFormat_t
{
    enum colorFormat_t { RGB = 0, YCbCr = 1, HSV = 2, HLS = 3 };
};

extern const char* const colorFormatNames[4];

// "R", "G", "B", "Y", "Cb", "Cr", "H", "S", "V", "H", "L", "S" by format and channel 0..2.
std::string channelName(ColorFormat_t::colorFormat_t format, int channel);
