// JPEG colour conversions: worked colours, the rounding differences of the vector builds (over
// every colour), byte orders, row positions, argument checks.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "builds.h"

namespace {

using ToLumaFn = decltype(&zfmiRGBToY_JPEG_8u_C3C1R_gn);
using ToPlanesFn = decltype(&zfmiRGBToYCbCr_JPEG_8u_C3P3R_gn);
using CmykFn = decltype(&zfmiCMYKToYCCK_JPEG_8u_C4P4R_gn);
using ToPixelsFn = decltype(&zfmiYCbCrToRGB_JPEG_8u_P3C3R_gn);

struct Build {
    const char* name;
    ToLumaFn rgbToY;
    ToPlanesFn rgbToYcc;
    ToPlanesFn bgrToYcc;
    CmykFn cmykToYcck;
    ToPixelsFn yccToRgb;
    ToPixelsFn yccToBgr;
};

#define ZEFRIM_COLOUR_BUILD(tag)                                                                             \
    Build                                                                                                    \
    {                                                                                                        \
#tag, zfmiRGBToY_JPEG_8u_C3C1R_##tag, zfmiRGBToYCbCr_JPEG_8u_C3P3R_##tag,                            \
            zfmiBGRToYCbCr_JPEG_8u_C3P3R_##tag, zfmiCMYKToYCCK_JPEG_8u_C4P4R_##tag,                          \
            zfmiYCbCrToRGB_JPEG_8u_P3C3R_##tag, zfmiYCbCrToBGR_JPEG_8u_P3C3R_##tag                           \
    }
const Build builds[] = {ZEFRIM_COLOUR_BUILD(gn), ZEFRIM_COLOUR_BUILD(s1), ZEFRIM_COLOUR_BUILD(s2),
                        ZEFRIM_COLOUR_BUILD(s3)};
#undef ZEFRIM_COLOUR_BUILD
const Build& generic = builds[0];

using Bytes = std::vector<uint8_t>;

struct Planes {
    Bytes y, cb, cr, k;
    explicit Planes(size_t n) : y(n), cb(n), cr(n), k(n) {}
    uint8_t* const* pointers()
    {
        array[0] = y.data();
        array[1] = cb.data();
        array[2] = cr.data();
        array[3] = k.data();
        return array;
    }
    uint8_t* array[4];
};

Bytes repeatedPixel(std::initializer_list<uint8_t> pixel, int count)
{
    Bytes row;
    for (int i = 0; i < count; ++i)
        row.insert(row.end(), pixel);
    return row;
}

Planes toYcc(ToPlanesFn fn, const Bytes& pixels, int32_t width, int32_t height = 1)
{
    Planes planes(static_cast<size_t>(width) * height);
    EXPECT_EQ(fn(pixels.data(), 3 * width, planes.pointers(), width, {width, height}), StatusOk);
    return planes;
}

// ---- Forward ------------------------------------------------------------------------------

TEST(JpegColourForward, GreysAndPrimariesInEveryBuildAndPosition)
{
    struct Case {
        uint8_t r, g, b;
        int y, cb, cr; // -1: not checked
    };
    const Case cases[] = {{0, 0, 0, 0, 128, 128},
                          {255, 255, 255, 255, 128, 128},
                          {0, 0, 255, -1, 255, -1},
                          {255, 0, 0, -1, -1, 255}};
    for (const Build& build : builds)
        for (const Case& c : cases)
            for (int32_t width : {1, 4, 5, 8, 9, 17}) {
                const Planes p = toYcc(build.rgbToYcc, repeatedPixel({c.r, c.g, c.b}, width), width);
                for (int32_t x = 0; x < width; ++x) {
                    if (c.y >= 0) {
                        ASSERT_EQ(p.y[x], c.y) << build.name << " width " << width << " x " << x;
                    }
                    if (c.cb >= 0) {
                        ASSERT_EQ(p.cb[x], c.cb) << build.name << " width " << width;
                    }
                    if (c.cr >= 0) {
                        ASSERT_EQ(p.cr[x], c.cr) << build.name << " width " << width;
                    }
                }
            }
}

TEST(JpegColourForward, FifteenBitRuleRoundsSomeColoursDifferently)
{
    // A row of 8 is converted entirely by the 15-bit rule in every vector build.
    for (const Build& build : builds) {
        const bool vector = &build != &generic;
        const Planes blue = toYcc(build.rgbToYcc, repeatedPixel({0, 0, 1}, 8), 8);
        EXPECT_EQ(blue.cb[0], vector ? 129 : 128) << build.name;
        const Planes teal = toYcc(build.rgbToYcc, repeatedPixel({0, 5, 119}, 8), 8);
        EXPECT_EQ(teal.y[0], vector ? 16 : 17) << build.name;
    }
}

// The vector builds convert whole groups (4 pixels in s1, 8 in s2 and s3) by the 15-bit rule
// and the rest of a row by the 14-bit rule; the luma-only conversion uses 15 bits throughout.
TEST(JpegColourForward, RowTailUsesTheFourteenBitRule)
{
    struct Case {
        const Build* build;
        int32_t width;
        int32_t groupedPixels;
    };
    const Case cases[] = {{&builds[0], 9, 9}, {&builds[1], 5, 4},   {&builds[2], 9, 8},
                          {&builds[3], 9, 8}, {&builds[2], 16, 16}, {&builds[1], 3, 0}};
    for (const Case& c : cases) {
        const Bytes row = repeatedPixel({0, 0, 250}, c.width);
        const Planes p = toYcc(c.build->rgbToYcc, row, c.width);
        Bytes luma(c.width);
        ASSERT_EQ(c.build->rgbToY(row.data(), 3 * c.width, luma.data(), c.width, {c.width, 1}), StatusOk);
        for (int32_t x = 0; x < c.width; ++x) {
            EXPECT_EQ(p.y[x], x < c.groupedPixels ? 28 : 29) << c.build->name << " x " << x;
            EXPECT_EQ(luma[x], 28) << c.build->name << " x " << x;
        }
    }
}

TEST(JpegColourForward, CmykInvertsThreeChannelsAndPassesK)
{
    for (const Build& build : builds) {
        const Bytes pixels = {255, 255, 255, 17, 0, 0, 0, 200};
        Planes p(2);
        ASSERT_EQ(build.cmykToYcck(pixels.data(), 8, p.pointers(), 2, {2, 1}), StatusOk);
        EXPECT_EQ(p.y, (Bytes{0, 255})) << build.name;
        EXPECT_EQ(p.cb, (Bytes{128, 128})) << build.name;
        EXPECT_EQ(p.cr, (Bytes{128, 128})) << build.name;
        EXPECT_EQ(p.k, (Bytes{17, 200})) << build.name;
    }
}

TEST(JpegColourForward, BgrIsRgbWithTheOuterBytesExchanged)
{
    std::mt19937 random(2);
    const int32_t width = 13, height = 3;
    Bytes rgb(3 * width * height);
    for (auto& v : rgb)
        v = static_cast<uint8_t>(random());
    Bytes bgr = rgb;
    for (size_t i = 0; i < bgr.size(); i += 3)
        std::swap(bgr[i], bgr[i + 2]);
    for (const Build& build : builds) {
        const Planes a = toYcc(build.rgbToYcc, rgb, width, height);
        const Planes b = toYcc(build.bgrToYcc, bgr, width, height);
        EXPECT_EQ(a.y, b.y) << build.name;
        EXPECT_EQ(a.cb, b.cb) << build.name;
        EXPECT_EQ(a.cr, b.cr) << build.name;
    }
}

struct DifferenceCount {
    int higher = 0, lower = 0;
    void add(int vector, int reference)
    {
        ASSERT_LE(std::abs(vector - reference), 1);
        higher += vector > reference;
        lower += vector < reference;
    }
};

// Over all 2^24 colours: the 15-bit rule (s2, rows of 256) and the 14-bit rule (the CMYK path)
// against the generic tables.
TEST(JpegColourForward, DifferencesOverEveryColourAreAtMostOne)
{
    const int32_t width = 256;
    Bytes rgbRow(3 * width), cmykRow(4 * width);
    Planes genericPlanes(width), rule15(width), rule14(width);
    DifferenceCount y15, cb15, cr15, y14, cb14, cr14;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g) {
            for (int b = 0; b < 256; ++b) {
                const uint8_t pixel[3] = {static_cast<uint8_t>(r), static_cast<uint8_t>(g),
                                          static_cast<uint8_t>(b)};
                for (int c = 0; c < 3; ++c) {
                    rgbRow[3 * b + c] = pixel[c];
                    cmykRow[4 * b + c] = static_cast<uint8_t>(255 - pixel[c]);
                }
            }
            ASSERT_EQ(generic.rgbToYcc(rgbRow.data(), 3 * width, genericPlanes.pointers(), width, {width, 1}),
                      StatusOk);
            ASSERT_EQ(builds[2].rgbToYcc(rgbRow.data(), 3 * width, rule15.pointers(), width, {width, 1}),
                      StatusOk);
            ASSERT_EQ(builds[2].cmykToYcck(cmykRow.data(), 4 * width, rule14.pointers(), width, {width, 1}),
                      StatusOk);
            for (int x = 0; x < width; ++x) {
                y15.add(rule15.y[x], genericPlanes.y[x]);
                cb15.add(rule15.cb[x], genericPlanes.cb[x]);
                cr15.add(rule15.cr[x], genericPlanes.cr[x]);
                y14.add(rule14.y[x], genericPlanes.y[x]);
                cb14.add(rule14.cb[x], genericPlanes.cb[x]);
                cr14.add(rule14.cr[x], genericPlanes.cr[x]);
            }
        }
    EXPECT_EQ(y15.higher, 13335);
    EXPECT_EQ(y15.lower, 8339);
    EXPECT_EQ(cb15.higher + cb15.lower, 32767);
    EXPECT_EQ(cr15.higher + cr15.lower, 51071);
    EXPECT_EQ(y14.higher, 19756);
    EXPECT_EQ(y14.lower, 19379);
    EXPECT_EQ(cb14.higher, 46335);
    EXPECT_EQ(cb14.lower, 13568);
    EXPECT_EQ(cr14.higher, 51071);
    EXPECT_EQ(cr14.lower, 18304);
}

TEST(JpegColourForward, ChecksPointersThenStepsThenSize)
{
    const Bytes pixels(64, 1);
    for (const Build& build : builds) {
        Planes p(16);
        p.y.assign(16, 9);
        uint8_t* noK[4] = {p.y.data(), p.cb.data(), p.cr.data(), nullptr};
        uint8_t* noCb[3] = {p.y.data(), nullptr, p.cr.data()};
        EXPECT_EQ(build.rgbToY(nullptr, 3, p.y.data(), 1, {1, 1}), StatusNullPointer);
        EXPECT_EQ(build.rgbToY(pixels.data(), 3, nullptr, 1, {1, 1}), StatusNullPointer);
        EXPECT_EQ(build.rgbToYcc(pixels.data(), 3, nullptr, 1, {1, 1}), StatusNullPointer);
        EXPECT_EQ(build.bgrToYcc(pixels.data(), 0, noCb, 0, {0, 0}), StatusNullPointer);
        EXPECT_EQ(build.cmykToYcck(pixels.data(), 0, noK, -1, {0, 0}), StatusNullPointer) << build.name;
        EXPECT_EQ(build.rgbToY(pixels.data(), 0, p.y.data(), 1, {0, 1}), StatusBadStep);
        EXPECT_EQ(build.rgbToYcc(pixels.data(), 3, p.pointers(), 0, {0, 1}), StatusBadStep);
        EXPECT_EQ(build.rgbToYcc(pixels.data(), 3, p.pointers(), 1, {0, 1}), StatusBadSize);
        EXPECT_EQ(build.cmykToYcck(pixels.data(), 4, p.pointers(), 1, {1, -1}), StatusBadSize);
        EXPECT_EQ(p.y, Bytes(16, 9)) << build.name << ": a failed call wrote";
    }
}

// ---- Inverse ------------------------------------------------------------------------------

Bytes toPixels(ToPixelsFn fn, const Bytes& y, const Bytes& cb, const Bytes& cr, int32_t width,
               int32_t height = 1)
{
    Bytes pixels(3 * static_cast<size_t>(width) * height);
    const uint8_t* planes[3] = {y.data(), cb.data(), cr.data()};
    EXPECT_EQ(fn(planes, width, pixels.data(), 3 * width, {width, height}), StatusOk);
    return pixels;
}

struct ThreePlanes {
    Bytes y, cb, cr;
};

ThreePlanes randomPlanes(std::mt19937& random, int32_t count)
{
    ThreePlanes planes{Bytes(count), Bytes(count), Bytes(count)};
    for (Bytes* plane : {&planes.y, &planes.cb, &planes.cr})
        for (auto& v : *plane)
            v = static_cast<uint8_t>(random());
    return planes;
}

Bytes uniformRow(uint8_t y, uint8_t cb, uint8_t cr, int32_t width, ToPixelsFn fn)
{
    return toPixels(fn, Bytes(width, y), Bytes(width, cb), Bytes(width, cr), width);
}

TEST(JpegColourInverse, WorkedColours)
{
    struct Case {
        uint8_t y, cb, cr;
        int r, g, b; // -1: not checked
    };
    const Case cases[] = {{128, 128, 128, 128, 128, 128}, {0, 128, 255, 178, 0, 0},
                          {255, 128, 255, 255, -1, -1},   {0, 0, 128, -1, -1, 0},
                          {100, 128, 179, 172, 64, 100},  {0, 255, 128, -1, -1, 225}};
    for (const Case& c : cases)
        for (int32_t width : {1, 3, 4, 7}) {
            const Bytes p = uniformRow(c.y, c.cb, c.cr, width, generic.yccToRgb);
            for (int32_t x = 0; x < width; ++x) {
                if (c.r >= 0) {
                    EXPECT_EQ(p[3 * x], c.r) << int{c.y} << "," << int{c.cb} << "," << int{c.cr};
                }
                if (c.g >= 0) {
                    EXPECT_EQ(p[3 * x + 1], c.g);
                }
                if (c.b >= 0) {
                    EXPECT_EQ(p[3 * x + 2], c.b);
                }
            }
        }
}

// The vector rule covers the leading multiple of four pixels; the rest is generic.
TEST(JpegColourInverse, VectorBuildsDifferOnlyInTheLeadingGroups)
{
    for (const Build& build : builds)
        for (int32_t width : {1, 2, 3, 4, 5, 8, 11}) {
            const Bytes p = uniformRow(100, 128, 179, width, build.yccToRgb);
            const int32_t vectorPixels = &build == &generic ? 0 : width - width % 4;
            for (int32_t x = 0; x < width; ++x)
                EXPECT_EQ(p[3 * x], x < vectorPixels ? 171 : 172)
                    << build.name << " width " << width << " x " << x;
        }
}

TEST(JpegColourInverse, BgrIsRgbWithTheOuterBytesExchanged)
{
    std::mt19937 random(4);
    const int32_t width = 11, height = 4;
    const auto [y, cb, cr] = randomPlanes(random, width * height);
    for (const Build& build : builds) {
        Bytes rgb = toPixels(build.yccToRgb, y, cb, cr, width, height);
        const Bytes bgr = toPixels(build.yccToBgr, y, cb, cr, width, height);
        for (size_t i = 0; i < rgb.size(); i += 3)
            std::swap(rgb[i], rgb[i + 2]);
        EXPECT_EQ(rgb, bgr) << build.name;
    }
}

// All 65536 chroma pairs, with luma 0 and 255 so that no difference hides behind a clamp.
TEST(JpegColourInverse, VectorRuleDiffersInTheListedChromaPairsOnly)
{
    const int32_t width = 256;
    Bytes cb(width), cr(width);
    for (int x = 0; x < width; ++x)
        cb[x] = static_cast<uint8_t>(x);
    int differingRed = 0, differingGreen = 0, differingBlue = 0;
    int greenHigher = 0, greenLower = 0;
    for (int crValue = 0; crValue < 256; ++crValue) {
        cr.assign(width, static_cast<uint8_t>(crValue));
        bool red[256] = {}, green[256] = {}, blue[256] = {};
        int greenSign[256] = {};
        for (uint8_t luma : {0, 255}) {
            const Bytes y(width, luma);
            const Bytes g = toPixels(generic.yccToRgb, y, cb, cr, width);
            for (int b = 1; b < 4; ++b) {
                const Bytes v = toPixels(builds[b].yccToRgb, y, cb, cr, width);
                for (int x = 0; x < width; ++x) {
                    for (int c = 0; c < 3; ++c)
                        ASSERT_LE(std::abs(v[3 * x + c] - g[3 * x + c]), 1);
                    red[x] |= v[3 * x] != g[3 * x];
                    blue[x] |= v[3 * x + 2] != g[3 * x + 2];
                    if (v[3 * x + 1] != g[3 * x + 1]) {
                        green[x] = true;
                        greenSign[x] = v[3 * x + 1] > g[3 * x + 1] ? 1 : -1;
                    }
                }
            }
        }
        for (int x = 0; x < width; ++x) {
            if (red[x]) {
                ASSERT_EQ(crValue, 179);
            }
            if (blue[x]) {
                ASSERT_EQ(x, 253);
            }
            differingRed += red[x];
            differingBlue += blue[x];
            differingGreen += green[x];
            greenHigher += greenSign[x] > 0;
            greenLower += greenSign[x] < 0;
        }
    }
    EXPECT_EQ(differingRed, 256);
    EXPECT_EQ(differingBlue, 256);
    EXPECT_EQ(differingGreen, 448);
    EXPECT_EQ(greenHigher, 447);
    EXPECT_EQ(greenLower, 1);
}

// The generic build converts long rows many pixels at a time and a row of one pixel alone; both
// must give the same bytes for every chroma pair, at the luma values where clamping starts.
TEST(JpegColourInverse, GenericRowsEqualTheOnePixelRule)
{
    const int32_t width = 256;
    Bytes cb(width);
    for (int x = 0; x < width; ++x)
        cb[x] = static_cast<uint8_t>(x);
    for (ToPixelsFn fn : {generic.yccToRgb, generic.yccToBgr})
        for (uint8_t luma : {0, 128, 255})
            for (int crValue = 0; crValue < 256; ++crValue) {
                const Bytes y(width, luma), cr(width, static_cast<uint8_t>(crValue));
                const Bytes row = toPixels(fn, y, cb, cr, width);
                for (int x = 0; x < width; ++x)
                    ASSERT_EQ(
                        Bytes(row.begin() + 3 * x, row.begin() + 3 * x + 3),
                        toPixels(fn, Bytes{luma}, Bytes{cb[x]}, Bytes{static_cast<uint8_t>(crValue)}, 1))
                        << "y " << int{luma} << " cb " << x << " cr " << crValue;
            }
}

// Every width up to 40, so that rows end after every number of pixels left over from a build's
// steps. The generic rows also equal the generic rule of one pixel at a time.
TEST(JpegColourInverse, BuildsAgreeForEveryWidth)
{
    std::mt19937 random(8);
    for (int32_t width = 1; width <= 40; ++width) {
        const int32_t height = 3;
        const auto [y, cb, cr] = randomPlanes(random, width * height);
        const Bytes generic3 = toPixels(generic.yccToRgb, y, cb, cr, width, height);
        for (int32_t i = 0; i < width * height; ++i)
            ASSERT_EQ(Bytes(generic3.begin() + 3 * i, generic3.begin() + 3 * i + 3),
                      toPixels(generic.yccToRgb, Bytes{y[i]}, Bytes{cb[i]}, Bytes{cr[i]}, 1))
                << "width " << width << " pixel " << i;
        const Bytes reference = toPixels(builds[1].yccToRgb, y, cb, cr, width, height);
        for (int b = 2; b < 4; ++b) {
            EXPECT_EQ(toPixels(builds[b].yccToRgb, y, cb, cr, width, height), reference)
                << builds[b].name << " width " << width;
        }
        // Pixels of the last width mod 4 follow the generic rule in every build.
        for (int32_t row = 0; row < height; ++row)
            for (int32_t x = width - width % 4; x < width; ++x)
                for (int c = 0; c < 3; ++c) {
                    const size_t i = 3 * (static_cast<size_t>(row) * width + x) + c;
                    ASSERT_EQ(reference[i], generic3[i]) << "width " << width;
                }
    }
}

TEST(JpegColourInverse, WritesOnlyThreeBytesPerPixelOfEachRow)
{
    for (const Build& build : builds) {
        const Bytes y(10, 50), cb(10, 128), cr(10, 128);
        const uint8_t* planes[3] = {y.data(), cb.data(), cr.data()};
        Bytes pixels(2 * 20, 7);
        ASSERT_EQ(build.yccToRgb(planes, 5, pixels.data(), 20, {5, 2}), StatusOk);
        for (int row = 0; row < 2; ++row)
            for (int i = 0; i < 20; ++i)
                ASSERT_EQ(pixels[20 * row + i], i < 15 ? 50 : 7) << build.name;
    }
}

TEST(JpegColourInverse, ChecksPointersThenStepsThenSize)
{
    const Bytes plane(16, 1);
    const uint8_t* all[3] = {plane.data(), plane.data(), plane.data()};
    const uint8_t* noCr[3] = {plane.data(), plane.data(), nullptr};
    for (const Build& build : builds)
        for (ToPixelsFn fn : {build.yccToRgb, build.yccToBgr}) {
            Bytes pixels(48, 9);
            EXPECT_EQ(fn(nullptr, 1, pixels.data(), 3, {1, 1}), StatusNullPointer) << build.name;
            EXPECT_EQ(fn(all, 1, nullptr, 3, {1, 1}), StatusNullPointer);
            EXPECT_EQ(fn(noCr, 0, pixels.data(), 0, {0, 0}), StatusNullPointer);
            EXPECT_EQ(fn(all, 0, pixels.data(), 3, {0, 0}), StatusBadStep);
            EXPECT_EQ(fn(all, 1, pixels.data(), -3, {1, 1}), StatusBadStep);
            EXPECT_EQ(fn(all, 1, pixels.data(), 3, {1, 0}), StatusBadSize);
            EXPECT_EQ(pixels, Bytes(48, 9)) << build.name << ": a failed call wrote";
        }
}

// ---- Through the library's exports -------------------------------------------------------

const Build& loadedBuild()
{
    const std::string tag = zfmjGetLibVersion()->cpuTag;
    for (const Build& build : builds)
        if (tag == build.name)
            return build;
    ADD_FAILURE() << "unknown build tag " << tag;
    return generic;
}

// Colours whose rounding tells the generic build from the vector ones.
TEST(JpegColourExports, RunTheBuildTheLibraryLoaded)
{
    const Build& loaded = loadedBuild();
    EXPECT_EQ(uniformRow(100, 128, 179, 8, zfmiYCbCrToRGB_JPEG_8u_P3C3R),
              uniformRow(100, 128, 179, 8, loaded.yccToRgb));
    EXPECT_EQ(uniformRow(100, 128, 179, 8, zfmiYCbCrToBGR_JPEG_8u_P3C3R),
              uniformRow(100, 128, 179, 8, loaded.yccToBgr));
    const Bytes row = repeatedPixel({0, 0, 250}, 9);
    EXPECT_EQ(toYcc(zfmiRGBToYCbCr_JPEG_8u_C3P3R, row, 9).y, toYcc(loaded.rgbToYcc, row, 9).y);
    EXPECT_EQ(toYcc(zfmiBGRToYCbCr_JPEG_8u_C3P3R, row, 9).cb, toYcc(loaded.bgrToYcc, row, 9).cb);
    const Bytes teal = repeatedPixel({0, 5, 119}, 8);
    Bytes luma(8), expected(8);
    ASSERT_EQ(zfmiRGBToY_JPEG_8u_C3C1R(teal.data(), 24, luma.data(), 8, {8, 1}), StatusOk);
    ASSERT_EQ(loaded.rgbToY(teal.data(), 24, expected.data(), 8, {8, 1}), StatusOk);
    EXPECT_EQ(luma, expected);
    const Bytes cmyk = {10, 200, 30, 40, 250, 3, 77, 0};
    Planes a(2), b(2);
    ASSERT_EQ(zfmiCMYKToYCCK_JPEG_8u_C4P4R(cmyk.data(), 8, a.pointers(), 2, {2, 1}), StatusOk);
    ASSERT_EQ(loaded.cmykToYcck(cmyk.data(), 8, b.pointers(), 2, {2, 1}), StatusOk);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.k, b.k);
}

} // namespace
