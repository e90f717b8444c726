#pragma once

#include "ImageSizes.h"

#include <cstdint>

// Names one pool image: its size class and its slot in that class; size class 4 is no image.
struct ImageHandle
{
    std::uint32_t sizeIndex = ImageSizes::noImage;
    std::uint32_t slot = 0;

    bool isNone() const { return sizeIndex >= ImageSizes::classCount; }
    friend bool operator==(const ImageHandle&, const ImageHandle&) = default;
};
