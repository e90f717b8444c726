// The frame of the JPEG benchmarks: a 640x480 picture with gradients, edges and noise, and the
// same picture as libjpeg-turbo writes it at quality 75 (4:2:0).
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "libjpeg_reference.h"

namespace {

constexpr int frameWidth = 640;
constexpr int frameHeight = 480;

using libjpegref::Bytes;

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
    libjpegref::WriteOptions options;
    options.width = frameWidth;
    options.height = frameHeight;
    options.quality = 75; // YCbCr with 2x2 luma sampling: 4:2:0
    return libjpegref::compress(rgb, options);
}

} // namespace
