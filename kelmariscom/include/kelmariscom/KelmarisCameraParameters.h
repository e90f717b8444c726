#pragma once

// The robot camera's settings record.
struct KelmarisCameraParameters
{
    unsigned char resolution = 0; // 0: 320 x 240, 1: 640 x 480
    unsigned char compression = 1; // 1: JPEG frames, 0: uncompressed RGB
    unsigned char brightness = 128;
    unsigned char contrast = 128;
    unsigned char reserved = 0;
};
