#pragma once

#include "JpegOutputTarget.h"

#include <cstdint>
#include <string>
#include <vector>

// Helpers of the decoder tests: fixtures, the reference decode and our own decode.
namespace jpegtest {

std::vector<std::uint8_t> fixture(const std::string& name);

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // three bytes a pixel
};

// libjpeg-turbo's decode to RGB with its default settings (as djpeg writes it).
Picture referenceRgb(const std::vector<std::uint8_t>& jpeg);

struct Decoded
{
    int header = 0;
    int decode = 0;
    int width = 0, height = 0, components = 0, colour = 0, sampling = 0, precision = 0;
    std::vector<std::vector<std::uint8_t>> images; // one per requested code, in order
};

// Reads the header and decodes into one target per code (filled with `fill` first).
Decoded decode(const std::vector<std::uint8_t>& jpeg, const std::vector<int>& codes = {JpegOutputTarget::RGB},
               std::uint8_t fill = 0);

// A lossless frame of one component (predictor 1) holding the samples, row after row.
std::vector<std::uint8_t> losslessFrame(int precision, int width, int height, const std::vector<int>& samples);

// Largest per-channel difference.
int largestDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b);

} // namespace jpegtest
