// The generic colour conversions against the independent models over every one of the 16,777,216
// RGB (or YCbCr) colours. A test of the Release pass (ctest label "release"): the cube takes a few
// seconds optimised and far longer under the sanitizers.
#include <gtest/gtest.h>

#include <vector>

#include "builds.h"
#include "colour_models.h"

namespace {

using Conversion = ImagingStatus (*)(const uint8_t*, int32_t, uint8_t*, int32_t, RoiSize);
using Model = colourmodel::Pixel (*)(colourmodel::Pixel);

struct CubeCase {
    const char* name;
    Conversion convert;
    Model model;
    int dstBytes;
};

const CubeCase kCases[] = {
    {"grey", zfmiRGBToGray_8u_C3C1R_gn, colourmodel::grayByFormula, 1},
    {"HSV", zfmiRGBToHSV_8u_C3R_gn, colourmodel::hsvByDivision, 3},
    {"HLS", zfmiRGBToHLS_8u_C3R_gn, colourmodel::hlsByDivision, 3},
    {"YCbCr", zfmiRGBToYCbCr_8u_C3R_gn, colourmodel::yCbCrByFormula, 3},
    {"YUV", zfmiRGBToYUV_8u_C3R_gn, colourmodel::yuvByFormula, 3},
    {"YCbCr to RGB", zfmiYCbCrToRGB_8u_C3R_gn, colourmodel::yCbCrToRgbByFormula, 3},
};

class ColourCube : public testing::TestWithParam<CubeCase> {};

// One image of 256 rows (green) by 256 columns (blue) per red value: every colour once.
TEST_P(ColourCube, EveryColourGivesTheModelsBytes)
{
    const CubeCase& c = GetParam();
    std::vector<uint8_t> src(256 * 256 * 3), dst(256 * 256 * 3);
    for (int32_t r = 0; r < 256; ++r) {
        for (size_t i = 0; i < 256 * 256; ++i) {
            src[3 * i] = static_cast<uint8_t>(r);
            src[3 * i + 1] = static_cast<uint8_t>(i >> 8);
            src[3 * i + 2] = static_cast<uint8_t>(i);
        }
        ASSERT_EQ(c.convert(src.data(), 256 * 3, dst.data(), 256 * c.dstBytes, {256, 256}), StatusOk);
        for (size_t i = 0; i < 256 * 256; ++i) {
            const colourmodel::Pixel in{r, static_cast<int32_t>(i >> 8), static_cast<int32_t>(i & 255)};
            const colourmodel::Pixel expected = c.model(in);
            for (int k = 0; k < c.dstBytes; ++k)
                ASSERT_EQ(dst[static_cast<size_t>(c.dstBytes) * i + k], expected[k])
                    << c.name << " of " << in[0] << "," << in[1] << "," << in[2] << " byte " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Generic, ColourCube, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CubeCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

} // namespace
