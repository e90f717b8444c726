#include "ImageSizes.h"

namespace {
struct Size
{
    unsigned width;
    int height;
};
constexpr Size sizes[ImageSizes::classCount] = {{320, 240}, {640, 480}, {384, 288}};
} // namespace

unsigned imageSizeIndex(unsigned width, int height)
{
    for (unsigned i = 0; i < ImageSizes::classCount; ++i) {
        if (sizes[i].width == width && sizes[i].height == height)
            return i;
    }
    return ImageSizes::noImage;
}

void imageSizeOfIndex(unsigned sizeIndex, int& width, int& height)
{
    if (sizeIndex >= ImageSizes::classCount)
        return;
    width = static_cast<int>(sizes[sizeIndex].width);
    height = sizes[sizeIndex].height;
}
