#pragma once

#include <cstdint>
#include <deque>

class XKDImage;

// The images of one size class. Entries are never removed and never move, so an image
// stays where it is while the class grows.
class ImageSubPool
{
public:
    ImageSubPool(std::uint32_t sizeIndex, int count);
    ~ImageSubPool();
    ImageSubPool(const ImageSubPool&) = delete;
    ImageSubPool& operator=(const ImageSubPool&) = delete;

    // The lowest free slot, marked in use; grows the class by one image when none is free.
    std::uint32_t acquire();
    // Null for a slot the class does not have.
    XKDImage* image(std::uint32_t slot) const;
    // False for a slot the class does not have.
    bool setFree(std::uint32_t slot);
    int count() const { return static_cast<int>(entries.size()); }
    int inUseCount() const;

private:
    struct Entry
    {
        XKDImage* image;
        bool inUse;
    };

    std::deque<Entry> entries;
    std::uint32_t sizeIndex;
};
