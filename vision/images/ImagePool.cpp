#include "ImagePool.h"

#include "ImageSubPool.h"
#include "XKDImage.h"

#include <atomic>

namespace {
std::atomic<ImagePool*> globalPool {nullptr};
}

ImagePool::ImagePool()
{
    for (unsigned i = 0; i < ImageSizes::classCount; ++i)
        subPools[i] = new ImageSubPool(i, initialCount);
}

ImagePool::~ImagePool()
{
    for (ImageSubPool* sub : subPools)
        delete sub;
}

ImageHandle ImagePool::acquire(unsigned sizeIndex)
{
    if (sizeIndex >= ImageSizes::classCount)
        return ImageHandle();
    const std::lock_guard lock(mutex);
    return ImageHandle {sizeIndex, subPools[sizeIndex]->acquire()};
}

void ImagePool::release(ImageHandle& handle)
{
    if (handle.isNone())
        return;
    const std::lock_guard lock(mutex);
    if (XKDImage* image = imageLocked(handle))
        image->clear();
    subPools[handle.sizeIndex]->setFree(handle.slot);
    handle.sizeIndex = ImageSizes::noImage;
}

ImageHandle ImagePool::copy(const ImageHandle& handle)
{
    if (handle.isNone())
        return ImageHandle {ImageSizes::noImage, handle.slot};
    const std::lock_guard lock(mutex);
    const XKDImage* source = imageLocked(handle);
    if (!source)
        return ImageHandle {ImageSizes::noImage, handle.slot};
    const ImageHandle target {handle.sizeIndex, subPools[handle.sizeIndex]->acquire()};
    imageLocked(target)->assign(*source);
    return target;
}

XKDImage* ImagePool::image(const ImageHandle& handle)
{
    if (handle.isNone())
        return nullptr;
    const std::lock_guard lock(mutex);
    return imageLocked(handle);
}

XKDImage* ImagePool::imageLocked(const ImageHandle& handle) const
{
    return handle.isNone() ? nullptr : subPools[handle.sizeIndex]->image(handle.slot);
}

int ImagePool::imageCount(unsigned sizeIndex) const
{
    if (sizeIndex >= ImageSizes::classCount)
        return 0;
    const std::lock_guard lock(mutex);
    return subPools[sizeIndex]->count();
}

int ImagePool::inUseCount(unsigned sizeIndex) const
{
    if (sizeIndex >= ImageSizes::classCount)
        return 0;
    const std::lock_guard lock(mutex);
    return subPools[sizeIndex]->inUseCount();
}

ImagePool* ImagePool::global()
{
    return globalPool.load();
}

void ImagePool::setGlobal(ImagePool* pool)
{
    globalPool.store(pool);
}
