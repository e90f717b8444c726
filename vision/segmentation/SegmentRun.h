#pragma once

#include <cstdint>

// Pixels of one class next to each other in one row: columns x .. x + length - 1 of row y.
struct SegmentRun
{
    static constexpr std::uint32_t noRegion = 0xFFFFFFFFu;

    std::uint32_t region = noRegion; // while labelling: the parent run
    std::uint16_t length = 0;
    std::uint8_t classIndex = 0;
    std::uint16_t x = 0;
    std::uint16_t y = 0;
};

// Pixels of one class connected through their four neighbours.
struct SegmentRegion
{
    std::uint32_t area = 0;
    std::uint16_t centreX = 0;
    std::uint16_t centreY = 0;
    std::uint8_t classIndex = 0;
};
