#include "ImageLending.h"

#include "ImagePool.h"

ImageLending::~ImageLending()
{
    releaseUntaken();
}

ImageHandle ImageLending::take()
{
    if (m_handle.isNone())
        return m_handle;
    if (++m_takeCount == 1)
        return m_handle;
    ImagePool* pool = ImagePool::global();
    return pool ? pool->copy(m_handle) : ImageHandle();
}

void ImageLending::store(const ImageHandle& handle)
{
    releaseUntaken();
    m_handle = handle;
    m_takeCount = 0;
}

void ImageLending::drop()
{
    store(ImageHandle());
}

void ImageLending::releaseUntaken()
{
    if (m_takeCount != 0 || m_handle.isNone())
        return;
    if (ImagePool* pool = ImagePool::global())
        pool->release(m_handle);
}
