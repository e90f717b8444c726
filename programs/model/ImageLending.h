#pragma once

#include "ImageHandle.h"

// The lending rule of a slot that holds a pool image: the first taker gets the handle itself,
// every later taker a copy, and the holder gives the image back only if nobody took it.
class ImageLending
{
public:
    ImageLending() = default;
    ~ImageLending();
    ImageLending(const ImageLending&) = delete;
    ImageLending& operator=(const ImageLending&) = delete;

    ImageHandle take();
    void store(const ImageHandle& handle);
    void drop();
    const ImageHandle& held() const { return m_handle; }
    int takeCount() const { return m_takeCount; }

private:
    void releaseUntaken();

    ImageHandle m_handle;
    int m_takeCount = 0;
};
