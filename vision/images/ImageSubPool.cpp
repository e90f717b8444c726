#include "ImageSubPool.h"

#include "XKDWorkImage.h"

ImageSubPool::ImageSubPool(std::uint32_t sizeIndex, int count) : sizeIndex(sizeIndex)
{
    for (int i = 0; i < count; ++i)
        entries.push_back({createPoolImage(sizeIndex), false});
}

ImageSubPool::~ImageSubPool()
{
    for (Entry& entry : entries)
        delete entry.image;
}

std::uint32_t ImageSubPool::acquire()
{
    for (std::size_t slot = 0; slot < entries.size(); ++slot) {
        if (!entries[slot].inUse) {
            entries[slot].inUse = true;
            return static_cast<std::uint32_t>(slot);
        }
    }
    entries.push_back({createPoolImage(sizeIndex), true});
    return static_cast<std::uint32_t>(entries.size() - 1);
}

XKDImage* ImageSubPool::image(std::uint32_t slot) const
{
    return slot < entries.size() ? entries[slot].image : nullptr;
}

bool ImageSubPool::setFree(std::uint32_t slot)
{
    if (slot >= entries.size())
        return false;
    entries[slot].inUse = false;
    return true;
}

int ImageSubPool::inUseCount() const
{
    int n = 0;
    for (const Entry& entry : entries)
        n += entry.inUse ? 1 : 0;
    return n;
}
