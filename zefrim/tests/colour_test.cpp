// Colour-space conversions: the generic build's values, argument checks, and the vector builds'
// rules: which pixels of a row form groups, the group arithmetic, and the formula of the pixels
// left over at the end of the row.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "builds.h"
#include "colour_models.h"
#include "copy_test_images.h"

using namespace imagetest;

namespace {

using Conversion = ImagingStatus (*)(const uint8_t*, int32_t, uint8_t*, int32_t, RoiSize);
using Pixel = std::array<int32_t, 3>;

std::vector<uint8_t> convertRow(Conversion fn, const std::vector<Pixel>& pixels, int dstBytes)
{
    std::vector<uint8_t> src;
    for (const Pixel& p : pixels)
        for (int32_t c : p)
            src.push_back(static_cast<uint8_t>(c));
    std::vector<uint8_t> dst(pixels.size() * static_cast<size_t>(dstBytes), 0xEE);
    const int32_t width = static_cast<int32_t>(pixels.size());
    EXPECT_EQ(fn(src.data(), 3 * width, dst.data(), dstBytes * width, {width, 1}), StatusOk);
    return dst;
}

Pixel convertOne(Conversion fn, Pixel in)
{
    const auto out = convertRow(fn, {in}, 3);
    return {out[0], out[1], out[2]};
}

int32_t floorShift(int64_t v, int shift)
{
    return static_cast<int32_t>(v >> shift);
}

int32_t clampByte(int32_t v)
{
    return std::clamp(v, 0, 255);
}

int32_t clamp16(int32_t v)
{
    return std::clamp(v, -32768, 32767);
}

// Group arithmetic of the vector builds, as the integer formulas they are defined by.
Pixel grayGroup(Pixel p)
{
    return {(floorShift(1225 * p[0], 8) + floorShift(2404 * p[1], 8) + floorShift(467 * p[2], 8)) >> 4, 0, 0};
}

Pixel yCbCrGroup(Pixel p)
{
    const int32_t r = p[0], g = p[1], b = p[2];
    return {clampByte(((floorShift(8421 * r + 16515 * g, 11) + floorShift(3211 * b, 11)) >> 4) + 16),
            clampByte(((floorShift(-4850 * r - 9535 * g, 11) + floorShift(14385 * b, 11)) >> 4) + 128),
            clampByte(((floorShift(14385 * r - 12059 * g, 11) + floorShift(-2327 * b, 11)) >> 4) + 128)};
}

Pixel yCbCrToRgbGroupWide(Pixel p)
{
    const int32_t y = floorShift((p[0] - 16) * 9536, 9), cb = p[1] - 128, cr = p[2] - 128;
    return {clampByte((y + floorShift(cr * 13074, 9)) >> 4),
            clampByte((y + floorShift(-cr * 6660, 9) + floorShift(-cb * 3203, 9)) >> 4),
            clampByte((y + floorShift(cb * 16523, 9)) >> 4)};
}

Pixel yCbCrToRgbGroupNarrow(Pixel p)
{
    const int32_t y = floorShift(std::max(p[0] - 16, 0) * 19069, 8), cb = p[1] - 128, cr = p[2] - 128;
    return {clampByte(clamp16(y + floorShift(cr * 26146, 8)) >> 6),
            clampByte(clamp16(y - floorShift(cr * 13318, 8) - floorShift(cb * 6421, 8)) >> 6),
            clampByte(clamp16(y + 2 * floorShift(cb * 16520, 8)) >> 6)};
}

Pixel yuvGroupWide(Pixel p)
{
    const int32_t r = p[0], g = p[1], b = p[2];
    return {
        (floorShift(19595 * r, 8) + floorShift(38469 * g, 8) + floorShift(7471 * b, 8)) >> 8,
        clampByte(((floorShift(-4816 * r, 9) + floorShift(-9469 * g, 9) + floorShift(14286 * b, 9)) >> 6) +
                  128),
        clampByte(((floorShift(20152 * r, 9) + floorShift(-16875 * g, 9) + floorShift(-3276 * b, 9)) >> 6) +
                  128)};
}

Pixel yuvGroupNarrow(Pixel p)
{
    const int32_t r = p[0], g = p[1], b = p[2];
    return {clampByte((9798 * r + 19235 * g + 3736 * b) >> 15),
            clampByte(((-4817 * r - 9470 * g + 14287 * b) >> 15) + 128),
            clampByte(((20152 * r - 16876 * g - 3277 * b) >> 15) + 128)};
}

Pixel yuvLeftOver(Pixel p)
{
    const int32_t r2 = 2 * p[0], g2 = 2 * p[1], b2 = 2 * p[2];
    const int32_t y2 = floorShift(r2 * 9798 + g2 * 19235, 15) + floorShift(b2 * 3736, 15);
    return {clampByte(y2 >> 1), clampByte(floorShift((b2 - y2) * 16121, 16) + 128),
            clampByte(floorShift((r2 - y2) * 28737, 16) + 128)};
}

// Which pixels of a row a vector build converts in groups: repeated groups, then at most one
// smaller group.
struct GroupPlan {
    int32_t group, tail;
    bool inGroup(int32_t x, int32_t width) const
    {
        const int32_t whole = width / group * group;
        if (x < whole)
            return true;
        return tail > 0 && width - whole >= tail && x < whole + tail;
    }
};

struct ExactConversion {
    const char* name;
    std::array<Conversion, 4> builds;
    int dstBytes;
    std::array<GroupPlan, 3> plans; // s1, s2, s3
    std::array<std::function<Pixel(Pixel)>, 3> group;
    std::function<Pixel(Pixel)> leftOver; // empty: the generic build's pixel
};

std::vector<ExactConversion> exactConversions()
{
    return {
        {"gray",
         ZEFRIM_ALL_BUILDS(zfmiRGBToGray_8u_C3C1R),
         1,
         {{{8, 0}, {8, 4}, {8, 4}}},
         {grayGroup, grayGroup, grayGroup},
         {}},
        {"ycbcr",
         ZEFRIM_ALL_BUILDS(zfmiRGBToYCbCr_8u_C3R),
         3,
         {{{8, 0}, {8, 0}, {8, 0}}},
         {yCbCrGroup, yCbCrGroup, yCbCrGroup},
         {}},
        {"ycbcr to rgb",
         ZEFRIM_ALL_BUILDS(zfmiYCbCrToRGB_8u_C3R),
         3,
         {{{8, 0}, {8, 4}, {8, 4}}},
         {yCbCrToRgbGroupNarrow, yCbCrToRgbGroupWide, yCbCrToRgbGroupWide},
         {}},
        {"yuv",
         ZEFRIM_ALL_BUILDS(zfmiRGBToYUV_8u_C3R),
         3,
         {{{8, 0}, {16, 0}, {16, 0}}},
         {yuvGroupNarrow, yuvGroupWide, yuvGroupWide},
         yuvLeftOver},
    };
}

std::vector<Pixel> randomPixels(size_t n, uint32_t seed)
{
    const auto bytes = randomBytes(3 * n, seed);
    static const Pixel kSpecial[] = {{0, 0, 0},     {255, 255, 255}, {255, 0, 0},    {0, 255, 0},
                                     {0, 0, 255},   {255, 0, 255},   {16, 128, 128}, {235, 240, 16},
                                     {0, 255, 255}, {128, 128, 128}};
    std::vector<Pixel> out(n);
    for (size_t i = 0; i < n; ++i)
        out[i] = bytes[3 * i] % 4 == 0 ? kSpecial[bytes[3 * i + 1] % std::size(kSpecial)]
                                       : Pixel{bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
    return out;
}

Pixel pixelAt(const std::vector<uint8_t>& row, int32_t x, int dstBytes)
{
    Pixel p{0, 0, 0};
    for (int c = 0; c < dstBytes; ++c)
        p[c] = row[static_cast<size_t>(dstBytes * x + c)];
    return p;
}

} // namespace

TEST(ColourGeneric, ValuesOfTheEdgeCases)
{
    struct Case {
        Conversion fn;
        Pixel in, expected;
    };
    const Case cases[] = {
        {zfmiRGBToYCbCr_8u_C3R_gn, {0, 0, 0}, {16, 128, 128}},
        {zfmiRGBToYCbCr_8u_C3R_gn, {255, 255, 255}, {235, 128, 128}},
        {zfmiRGBToYCbCr_8u_C3R_gn, {255, 0, 0}, {82, 90, 240}},
        {zfmiRGBToYCbCr_8u_C3R_gn, {0, 0, 255}, {41, 240, 110}},
        {zfmiYCbCrToRGB_8u_C3R_gn, {16, 128, 128}, {0, 0, 0}},
        {zfmiYCbCrToRGB_8u_C3R_gn, {235, 128, 128}, {254, 254, 254}},
        {zfmiYCbCrToRGB_8u_C3R_gn, {0, 0, 0}, {0, 135, 0}},
        {zfmiRGBToYUV_8u_C3R_gn, {255, 255, 255}, {255, 128, 128}},
        {zfmiRGBToYUV_8u_C3R_gn, {255, 0, 0}, {76, 90, 255}},
        {zfmiRGBToYUV_8u_C3R_gn, {0, 255, 0}, {149, 54, 0}},
        {zfmiRGBToHSV_8u_C3R_gn, {0, 0, 0}, {0, 0, 0}},
        {zfmiRGBToHSV_8u_C3R_gn, {77, 77, 77}, {0, 0, 77}},
        {zfmiRGBToHSV_8u_C3R_gn, {255, 0, 0}, {0, 255, 255}},
        {zfmiRGBToHSV_8u_C3R_gn, {0, 255, 0}, {85, 255, 255}},
        {zfmiRGBToHSV_8u_C3R_gn, {0, 0, 255}, {170, 255, 255}},
        {zfmiRGBToHSV_8u_C3R_gn, {255, 0, 255}, {212, 255, 255}},
        {zfmiRGBToHSV_8u_C3R_gn, {255, 255, 0}, {42, 255, 255}},
        {zfmiRGBToHSV_8u_C3R_gn, {0, 255, 255}, {127, 255, 255}},
        {zfmiRGBToHSV_8u_C3R_gn, {200, 100, 50}, {14, 191, 200}},
        {zfmiRGBToHLS_8u_C3R_gn, {255, 255, 255}, {0, 255, 0}},
        {zfmiRGBToHLS_8u_C3R_gn, {255, 0, 0}, {0, 127, 255}},
        {zfmiRGBToHLS_8u_C3R_gn, {128, 128, 128}, {0, 128, 0}},
        {zfmiRGBToHLS_8u_C3R_gn, {200, 100, 50}, {14, 125, 153}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(convertOne(c.fn, c.in), c.expected) << c.in[0] << "," << c.in[1] << "," << c.in[2];
    EXPECT_EQ(convertRow(zfmiRGBToGray_8u_C3C1R_gn, {{255, 255, 255}, {128, 128, 128}, {255, 0, 0}}, 1),
              (std::vector<uint8_t>{255, 128, 76}));
}

TEST(ColourGeneric, HsvAndHlsEqualThePlainDivisions)
{
    std::vector<Pixel> pixels;
    for (int32_t r = 0; r < 256; r += 5)
        for (int32_t g = 0; g < 256; g += 3)
            for (int32_t b = 0; b < 256; b += 7)
                pixels.push_back({r, g, b});
    const auto hsv = convertRow(zfmiRGBToHSV_8u_C3R_gn, pixels, 3);
    const auto hls = convertRow(zfmiRGBToHLS_8u_C3R_gn, pixels, 3);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const Pixel p = pixels[i];
        ASSERT_EQ(pixelAt(hsv, int32_t(i), 3), colourmodel::hsvByDivision(p))
            << p[0] << "," << p[1] << "," << p[2];
        ASSERT_EQ(pixelAt(hls, int32_t(i), 3), colourmodel::hlsByDivision(p))
            << p[0] << "," << p[1] << "," << p[2];
    }
}

TEST(ColourGeneric, NegativeStepsWalkTheRowsUpward)
{
    const uint8_t src[2][3] = {{255, 255, 255}, {0, 0, 0}};
    uint8_t dst[2] = {9, 9};
    // Start at the lower source row and walk up, while the destination walks down.
    ASSERT_EQ(zfmiRGBToGray_8u_C3C1R_gn(&src[1][0], -3, dst, 1, {1, 2}), StatusOk);
    EXPECT_EQ(dst[0], 0);
    EXPECT_EQ(dst[1], 255);
}

TEST(ColourChecks, NullPointersBeforeSizesAndNothingWritten)
{
    const std::array<std::array<Conversion, 4>, 6> all = {
        ZEFRIM_ALL_BUILDS(zfmiRGBToGray_8u_C3C1R), ZEFRIM_ALL_BUILDS(zfmiRGBToHSV_8u_C3R),
        ZEFRIM_ALL_BUILDS(zfmiRGBToHLS_8u_C3R),    ZEFRIM_ALL_BUILDS(zfmiRGBToYCbCr_8u_C3R),
        ZEFRIM_ALL_BUILDS(zfmiRGBToYUV_8u_C3R),    ZEFRIM_ALL_BUILDS(zfmiYCbCrToRGB_8u_C3R)};
    for (const auto& builds : all)
        for (int b = 0; b < 4; ++b) {
            uint8_t src[24] = {200, 100, 50}, dst[24] = {};
            EXPECT_EQ(builds[b](nullptr, 3, dst, 3, {0, 1}), StatusNullPointer);
            EXPECT_EQ(builds[b](src, 3, nullptr, 3, {1, 1}), StatusNullPointer);
            EXPECT_EQ(builds[b](src, 3, dst, 3, {0, 1}), StatusBadSize);
            EXPECT_EQ(builds[b](src, 3, dst, 3, {1, -1}), StatusBadSize);
            EXPECT_EQ(std::count(dst, dst + 24, 0), 24) << kBuildNames[b];
            // Steps are not checked: a zero step converts the same row again.
            EXPECT_EQ(builds[b](src, 0, dst, 0, {1, 2}), StatusOk);
        }
}

TEST(ColourVector, GreyWhiteShowsWhichPixelsFormGroups)
{
    const std::array<Conversion, 4> builds = ZEFRIM_ALL_BUILDS(zfmiRGBToGray_8u_C3C1R);
    const GroupPlan plans[4] = {{1 << 30, 0}, {8, 0}, {8, 4}, {8, 4}};
    for (int b = 0; b < 4; ++b)
        for (int32_t width = 1; width <= 40; ++width) {
            const auto white =
                convertRow(builds[b], std::vector<Pixel>(static_cast<size_t>(width), {255, 255, 255}), 1);
            const auto grey =
                convertRow(builds[b], std::vector<Pixel>(static_cast<size_t>(width), {128, 128, 128}), 1);
            for (int32_t x = 0; x < width; ++x) {
                const bool grouped = plans[b].inGroup(x, width);
                ASSERT_EQ(white[static_cast<size_t>(x)], grouped ? 254 : 255)
                    << kBuildNames[b] << " width " << width;
                ASSERT_EQ(grey[static_cast<size_t>(x)], grouped ? 127 : 128)
                    << kBuildNames[b] << " width " << width;
            }
        }
}

TEST(ColourVector, GroupsUseTheirArithmeticAndLeftOversTheirFormula)
{
    for (const ExactConversion& conv : exactConversions())
        for (int b = 1; b < 4; ++b)
            for (int32_t width = 1; width <= 40; ++width) {
                const auto pixels = randomPixels(static_cast<size_t>(width), 100u + width);
                const auto got = convertRow(conv.builds[b], pixels, conv.dstBytes);
                const auto generic = convertRow(conv.builds[0], pixels, conv.dstBytes);
                for (int32_t x = 0; x < width; ++x) {
                    const Pixel in = pixels[static_cast<size_t>(x)];
                    Pixel expected;
                    if (conv.plans[b - 1].inGroup(x, width))
                        expected = conv.group[b - 1](in);
                    else
                        expected = conv.leftOver ? conv.leftOver(in) : pixelAt(generic, x, conv.dstBytes);
                    for (int c = conv.dstBytes; c < 3; ++c)
                        expected[c] = 0;
                    ASSERT_EQ(pixelAt(got, x, conv.dstBytes), expected)
                        << conv.name << " " << kBuildNames[b] << " width " << width << " pixel " << x
                        << " in " << in[0] << "," << in[1] << "," << in[2];
                }
            }
}

// Inside the studio range for YCbCr input; the s1 group clamps Y below 16 where gn does not.
TEST(ColourVector, GroupAndGenericDifferByAtMostOne)
{
    for (const ExactConversion& conv : exactConversions())
        for (int b = 1; b < 4; ++b) {
            auto pixels = randomPixels(4096, 7);
            if (conv.name == std::string("ycbcr to rgb"))
                for (Pixel& p : pixels)
                    p = {16 + p[0] % 220, 16 + p[1] % 225, 16 + p[2] % 225};
            const auto got = convertRow(conv.builds[b], pixels, conv.dstBytes);
            const auto generic = convertRow(conv.builds[0], pixels, conv.dstBytes);
            for (size_t i = 0; i < got.size(); ++i)
                ASSERT_LE(std::abs(int(got[i]) - int(generic[i])), conv.name == std::string("yuv") ? 2 : 1)
                    << conv.name << " " << kBuildNames[b] << " byte " << i;
        }
}

namespace {

// Exact hue (0..255 turn) and saturation of HSV and HLS, for the vector builds' tolerance checks.
struct HueModel {
    double hue, sat, third;
};

HueModel exactHsv(Pixel p)
{
    const int32_t vmax = std::max({p[0], p[1], p[2]}), d = vmax - std::min({p[0], p[1], p[2]});
    if (vmax == 0 || d == 0)
        return {0, 0, double(vmax)};
    double h = p[0] == vmax ? double(p[1] - p[2]) / d
                            : (p[1] == vmax ? 2.0 + double(p[2] - p[0]) / d : 4.0 + double(p[0] - p[1]) / d);
    h *= 42.5;
    if (h < 0)
        h += 255;
    return {h, 255.0 * d / vmax, double(vmax)};
}

HueModel exactHls(Pixel p)
{
    const int32_t vmax = std::max({p[0], p[1], p[2]}), vmin = std::min({p[0], p[1], p[2]});
    const int32_t d = vmax - vmin, sum = vmax + vmin;
    if (d == 0)
        return {0, 0, double(sum / 2)};
    double deg = p[0] == vmax
                     ? 60.0 * (p[1] - p[2]) / d
                     : (p[1] == vmax ? 60.0 * (p[2] - p[0]) / d + 120 : 60.0 * (p[0] - p[1]) / d + 240);
    if (deg < 0)
        deg += 360;
    return {deg * 255 / 360, 255.0 * d / (sum <= 255 ? sum : 510 - sum), double(sum / 2)};
}

int circularDistance(int a, int b)
{
    const int d = std::abs(a - b) % 256;
    return std::min(d, 256 - d);
}

void expectNear(Conversion fn, const char* name, HueModel (*model)(Pixel), bool hlsOrder)
{
    for (int32_t width : {1, 3, 4, 5, 7, 8, 9, 15, 16, 17, 33})
        for (uint32_t seed = 0; seed < 8; ++seed) {
            const auto pixels = randomPixels(static_cast<size_t>(width), seed * 50u + width);
            const auto got = convertRow(fn, pixels, 3);
            for (int32_t x = 0; x < width; ++x) {
                const Pixel in = pixels[static_cast<size_t>(x)];
                const HueModel m = model(in);
                const Pixel out = pixelAt(got, x, 3);
                const int hueAt = 0, satAt = hlsOrder ? 2 : 1, thirdAt = hlsOrder ? 1 : 2;
                const bool grey = std::max({in[0], in[1], in[2]}) == std::min({in[0], in[1], in[2]});
                ASSERT_EQ(out[thirdAt], int(m.third)) << name << " width " << width;
                if (grey) {
                    ASSERT_EQ(out[hueAt], 0) << name;
                    ASSERT_EQ(out[satAt], 0) << name;
                    continue;
                }
                ASSERT_LE(circularDistance(out[hueAt], int(std::lround(m.hue))), 1)
                    << name << " hue of " << in[0] << "," << in[1] << "," << in[2] << " width " << width;
                ASSERT_LE(std::abs(out[satAt] - m.sat), 1.5)
                    << name << " saturation of " << in[0] << "," << in[1] << "," << in[2];
            }
        }
}

} // namespace

TEST(ColourVector, HsvAndHlsStayWithinOneOfTheExactValues)
{
    const auto hsv = ZEFRIM_ALL_BUILDS(zfmiRGBToHSV_8u_C3R);
    const auto hls = ZEFRIM_ALL_BUILDS(zfmiRGBToHLS_8u_C3R);
    for (int b = 0; b < 4; ++b) {
        expectNear(hsv[b], kBuildNames[b], exactHsv, false);
        expectNear(hls[b], kBuildNames[b], exactHls, true);
    }
}

TEST(ColourVector, HsvGroupsTruncateInSse2AndSse3AndRoundInMmx)
{
    // One group of (255, 0, 1): hue 254.83, truncated to 254 in s2 and s3, rounded to 255 in s1
    // and in the generic build.
    const std::vector<Pixel> row(4, Pixel{255, 0, 1});
    const auto hsv = ZEFRIM_ALL_BUILDS(zfmiRGBToHSV_8u_C3R);
    EXPECT_EQ(convertRow(hsv[1], row, 3)[0], 255);
    EXPECT_EQ(convertRow(hsv[2], row, 3)[0], 254);
    EXPECT_EQ(convertRow(hsv[3], row, 3)[0], 254);
    EXPECT_EQ(convertRow(hsv[0], row, 3)[0], 255);
}

TEST(ColourExports, RunTheBuildTheLibraryInstalled)
{
    // The vector builds differ from gn inside groups, so the export's bytes name its build.
    const LibVersion* version = zfmiGetLibVersion();
    ASSERT_NE(version, nullptr);
    const std::string tag(version->cpuTag);
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiRGBToGray_8u_C3C1R);
    const int installed =
        int(std::find(std::begin(kBuildNames), std::end(kBuildNames), tag) - std::begin(kBuildNames));
    ASSERT_LT(installed, 4) << tag;
    const std::vector<Pixel> white(19, Pixel{255, 255, 255});
    EXPECT_EQ(convertRow(zfmiRGBToGray_8u_C3C1R, white, 1), convertRow(builds[installed], white, 1)) << tag;
}
