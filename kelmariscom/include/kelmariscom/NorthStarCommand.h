#pragma once

#include <cstdint>

// The command the NorthStar sensor gets with every exchange.
struct NorthStarCommand
{
    std::uint8_t mode = 0;
    std::int8_t room = 0;
    std::uint8_t ceilingHeight = 10; // decimetres
    std::uint8_t calibration = 0;
};
