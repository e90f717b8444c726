#pragma once

#include <cstdint>

// One reading of the robot's NorthStar localisation sensor.
struct NorthStarReadings
{
    std::uint32_t timestamp = 0;
    std::int8_t room = 0;
    std::uint8_t numSpotsVisible = 0;
    std::int16_t posX = 0;
    std::int16_t posY = 0;
    float theta = 0.0f; // radians
    std::uint16_t magSpot0 = 0;
    std::uint16_t magSpot1 = 0;
};
