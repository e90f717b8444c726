#pragma once

#include <cstdint>

// One camera frame as the link hands it out between lockImage() and unlockImage().
struct KelmarisImage
{
    enum type_t { Jpeg = 0, RawRgb = 2 };

    int type = Jpeg;
    int reserved0 = 0;
    int width = 0;
    int height = 0;
    int reserved1 = 0;
    const unsigned char* data = nullptr;
    int size = 0;
    std::uint32_t tag = 0; // frame number counted by the robot
};
