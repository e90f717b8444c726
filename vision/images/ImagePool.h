#pragma once

#include "ImageHandle.h"

#include <mutex>

class ImageSubPool;
class XKDImage;

// All images of the process, lent out by handle: ten of each size class at the start, a class
// grows by one image whenever all of its images are lent. Safe to call from every thread; one
// lock orders all four operations.
class ImagePool
{
public:
    static constexpr int initialCount = 10;

    ImagePool();
    ~ImagePool();
    ImagePool(const ImagePool&) = delete;
    ImagePool& operator=(const ImagePool&) = delete;

    // A free image of the class; a none handle for a size index that has no class.
    ImageHandle acquire(unsigned sizeIndex);
    // Clears the image and frees its entry; the handle becomes none (its slot stays).
    void release(ImageHandle& handle);
    // A new image of the same class holding an exact copy; none for none.
    ImageHandle copy(const ImageHandle& handle);
    // Null for a none handle. Only the holder of the handle reads or writes the image.
    XKDImage* image(const ImageHandle& handle);

    int imageCount(unsigned sizeIndex) const;
    int inUseCount(unsigned sizeIndex) const;

    // The process-wide pool that image slots and the intake use; main() creates it.
    static ImagePool* global();
    static void setGlobal(ImagePool* pool);

private:
    XKDImage* imageLocked(const ImageHandle& handle) const;

    mutable std::mutex mutex;
    ImageSubPool* subPools[ImageSizes::classCount] = {};
};
