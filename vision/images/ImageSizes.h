#pragma once

// The three image sizes of the pool, numbered by size index: 0 320x240, 1 640x480, 2 384x288;
// 4 is no image.
namespace ImageSizes {
constexpr unsigned noImage = 4;
constexpr unsigned classCount = 3;
} // namespace ImageSizes

unsigned imageSizeIndex(unsigned width, int height);
// Any index but 0, 1, 2 leaves width and height unchanged.
void imageSizeOfIndex(unsigned sizeIndex, int& width, int& height);
