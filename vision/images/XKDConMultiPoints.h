#pragma once

#include "XKDContainer.h"

#include <cstdint>
#include <vector>

// Points found in an image, each one word: x in the low 16 bits, y in the high 16 bits.
class XKDConMultiPoints : public XKDContainer
{
public:
    XKDConMultiPoints(XKDImage* owner, const std::string& name);
    void assign(const XKDContainer& other) override;

    static std::uint32_t point(unsigned x, unsigned y) { return (x & 0xFFFFu) | ((y & 0xFFFFu) << 16); }

    std::vector<std::uint32_t> points;
};
