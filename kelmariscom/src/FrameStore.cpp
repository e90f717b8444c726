#include "FrameStore.h"

void FrameStore::put(int type, int width, int height, unsigned tag, std::vector<unsigned char>& data)
{
    std::lock_guard<std::mutex> hold(mutex);
    newest.swap(data);
    newestImage.type = type;
    newestImage.width = width;
    newestImage.height = height;
    newestImage.tag = tag;
    newestImage.size = static_cast<int>(newest.size());
    fresh = true;
}

void FrameStore::clear()
{
    std::lock_guard<std::mutex> hold(mutex);
    fresh = false;
    newest.clear();
}

const KelmarisImage* FrameStore::lock()
{
    std::lock_guard<std::mutex> hold(mutex);
    if (!fresh || isLent)
        return nullptr;
    lent.swap(newest);
    lentImage = newestImage;
    lentImage.data = lent.data();
    fresh = false;
    isLent = true;
    return &lentImage;
}

void FrameStore::unlock()
{
    std::lock_guard<std::mutex> hold(mutex);
    isLent = false;
}
