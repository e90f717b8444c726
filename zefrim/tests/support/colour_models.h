// Independent models of the generic colour conversions: the formulas as they are defined, with
// plain double divisions where the library looks ratios up.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace colourmodel {

using Pixel = std::array<int32_t, 3>;

constexpr double kHalfDown = static_cast<double>(0.499999f);

// The generic HSV and HLS formulas written with plain double divisions.
inline Pixel hsvByDivision(Pixel p)
{
    const int32_t r = p[0], g = p[1], b = p[2];
    const int32_t vmax = std::max({r, g, b}), d = vmax - std::min({r, g, b});
    if (vmax == 0 || d == 0)
        return {0, 0, vmax};
    const double a = 1.0 / d;
    double h = 0;
    if (r == vmax)
        h = (g - b) * a;
    if (g == vmax)
        h = 2 + (vmax - r) * a - (vmax - b) * a;
    if (b == vmax)
        h = (vmax - g) * a + (4 - (vmax - r) * a);
    h = h * 255 / 6;
    if (h < 0)
        h += 255;
    return {int32_t(std::trunc(h + kHalfDown)), int32_t(std::trunc(double(d) / vmax * 255 + kHalfDown)),
            vmax};
}

inline Pixel hlsByDivision(Pixel p)
{
    const double r = p[0] / 255.0, g = p[1] / 255.0, b = p[2] / 255.0;
    const double vmax = std::max({r, g, b}), vmin = std::min({r, g, b}), d = vmax - vmin;
    const double l = (vmax + vmin) * 0.5;
    double h = 0, s = 0;
    if (d != 0) {
        s = l <= 0.5 ? d / (vmax + vmin) : d / (2 - (vmax + vmin));
        h = r == vmax ? (g - b) * 60 / d : (g == vmax ? (b - r) * 60 / d + 120 : (r - g) * 60 / d + 240);
        if (h < 0)
            h += 360;
    }
    return {int32_t(std::trunc(h * 255 / 360 + kHalfDown)), int32_t(std::trunc(l * 255 + kHalfDown)),
            int32_t(std::trunc(s * 255 + kHalfDown))};
}

inline int32_t clampToByte(int32_t v)
{
    return std::clamp(v, 0, 255);
}

inline Pixel grayByFormula(Pixel p)
{
    return {(1225 * p[0] + 2404 * p[1] + 467 * p[2]) >> 12, 0, 0};
}

inline Pixel yCbCrByFormula(Pixel p)
{
    const int32_t r = p[0], g = p[1], b = p[2];
    return {(16843 * r + 33030 * g + 6423 * b + 1081344) >> 16,
            (-9699 * r - 19071 * g + 28770 * b + 8421376) >> 16,
            (28770 * r - 24117 * g - 4653 * b + 8421376) >> 16};
}

inline Pixel yCbCrToRgbByFormula(Pixel p)
{
    const int32_t y = 76284 * (p[0] - 16), cb = p[1] - 128, cr = p[2] - 128;
    return {clampToByte((y + 104595 * cr) >> 16), clampToByte((y - 25690 * cb - 53281 * cr) >> 16),
            clampToByte((y + 132186 * cb) >> 16)};
}

inline Pixel yuvByFormula(Pixel p)
{
    const int32_t r = p[0], g = p[1], b = p[2];
    const int32_t yy = 19595 * r + 38470 * g + 7471 * b;
    const int32_t u = (b * 65536 - yy + 32767) >> 16, v = (r * 65536 - yy + 32767) >> 16;
    return {yy >> 16, ((u * 32244) >> 16) + 128, clampToByte(((v * 57475) >> 16) + 128)};
}

} // namespace colourmodel
