// The generic builds against libjpeg-turbo, the reference codec: JPEG data it writes is decoded
// with our quantisation table, inverse DCT, up-sampling and colour conversion and compared with
// its own decode; our forward DCT is compared with the coefficients it writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "builds.h"
#include "jpeg_standard_tables.h"
#include "libjpeg_reference.h"
#include "quant.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int imageWidth = 64;
constexpr int imageHeight = 48;

// Camera-like content: smooth gradients, an edge and some noise.
Bytes makeImage(int components, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-6, 6);
    Bytes image(static_cast<size_t>(imageWidth) * imageHeight * components);
    for (int y = 0; y < imageHeight; ++y)
        for (int x = 0; x < imageWidth; ++x)
            for (int c = 0; c < components; ++c) {
                int v = 40 + 2 * x + y + 50 * c + noise(random);
                if (x > 20 + y / 2)
                    v = 230 - v / 3;
                image[(static_cast<size_t>(y) * imageWidth + x) * components + c] =
                    static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
            }
    return image;
}

Bytes compress(const Bytes& image, int components, int quality)
{
    libjpegref::WriteOptions options;
    options.width = imageWidth;
    options.height = imageHeight;
    options.components = components;
    options.quality = quality;
    return libjpegref::compress(image, options);
}

using Component = libjpegref::ComponentCoefficients;

// The inverse table through our table init, from the steps written back in zigzag order.
std::vector<uint16_t> inverseTable(const Component& component)
{
    uint8_t raw[64];
    for (int i = 0; i < 64; ++i)
        raw[jpegstandard::kZigzagOfNatural[i]] = static_cast<uint8_t>(component.quantisers[i]);
    std::vector<uint16_t> table(64);
    EXPECT_EQ(zfmiQuantInvTableInit_JPEG_8u16u_gn(raw, table.data()), StatusOk);
    return table;
}

struct Plane {
    int width, height;
    Bytes samples;
};

Plane decodeComponent(const Component& component)
{
    const std::vector<uint16_t> table = inverseTable(component);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(table[i], component.quantisers[i]) << "inverse table entry " << i;
    Plane plane{8 * component.widthInBlocks, 8 * component.heightInBlocks, {}};
    plane.samples.resize(static_cast<size_t>(plane.width) * plane.height);
    for (int by = 0; by < component.heightInBlocks; ++by)
        for (int bx = 0; bx < component.widthInBlocks; ++bx) {
            const int16_t* block = component.block(bx, by);
            uint8_t* out = plane.samples.data() + (8 * by) * plane.width + 8 * bx;
            EXPECT_EQ(zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn(block, out, plane.width, table.data()),
                      StatusOk);
        }
    return plane;
}

// Full-size chroma: the half-size plane gets a border of copied edge samples, then is doubled.
Plane upsample(const Plane& half)
{
    const int step = half.width + 2;
    Bytes bordered(static_cast<size_t>(step) * (half.height + 2));
    for (int y = -1; y <= half.height; ++y)
        for (int x = -1; x <= half.width; ++x) {
            const int sy = y < 0 ? 0 : (y >= half.height ? half.height - 1 : y);
            const int sx = x < 0 ? 0 : (x >= half.width ? half.width - 1 : x);
            bordered[(y + 1) * step + (x + 1)] = half.samples[sy * half.width + sx];
        }
    Plane full{2 * half.width, 2 * half.height, {}};
    full.samples.resize(static_cast<size_t>(full.width) * full.height);
    EXPECT_EQ(zfmiSampleUpH2V2_JPEG_8u_C1R_gn(bordered.data() + step + 1, step, {half.width, half.height},
                                              full.samples.data(), full.width, {full.width, full.height}),
              StatusOk);
    return full;
}

struct Agreement {
    int maxDifference = 0;
    long differing = 0, total = 0;
};

Agreement compare(const Bytes& ours, const Bytes& reference)
{
    Agreement a;
    for (size_t i = 0; i < ours.size(); ++i) {
        const int d = std::abs(ours[i] - reference[i]);
        a.maxDifference = std::max(a.maxDifference, d);
        a.differing += d != 0;
        ++a.total;
    }
    return a;
}

TEST(DctAgainstReferenceCodec, GreyscaleBlocksDecodeToTheReferencePixels)
{
    for (int quality : {50, 75, 95}) {
        const Bytes data = compress(makeImage(1, 1), 1, quality);
        const std::vector<Component> components = libjpegref::readCoefficients(data);
        ASSERT_EQ(components.size(), 1u);
        const Plane plane = decodeComponent(components[0]);
        const Agreement a = compare(plane.samples, libjpegref::decode(data, 1));
        EXPECT_LE(a.maxDifference, 1) << "quality " << quality;
        EXPECT_LT(a.differing * 20, a.total) << "quality " << quality;
    }
}

TEST(DctAgainstReferenceCodec, ColourFrameDecodesToTheReferencePixels)
{
    const Bytes data = compress(makeImage(3, 2), 3, 85);
    const std::vector<Component> components = libjpegref::readCoefficients(data);
    ASSERT_EQ(components.size(), 3u);
    const Plane luma = decodeComponent(components[0]);
    const Plane cb = upsample(decodeComponent(components[1]));
    const Plane cr = upsample(decodeComponent(components[2]));
    ASSERT_EQ(cb.width, imageWidth);
    ASSERT_EQ(cb.height, imageHeight);
    Bytes rgb(static_cast<size_t>(imageWidth) * imageHeight * 3);
    const uint8_t* planes[3] = {luma.samples.data(), cb.samples.data(), cr.samples.data()};
    ASSERT_EQ(zfmiYCbCrToRGB_JPEG_8u_P3C3R_gn(planes, imageWidth, rgb.data(), 3 * imageWidth,
                                              {imageWidth, imageHeight}),
              StatusOk);
    // Same colour and up-sampling arithmetic; only the inverse DCTs round a little differently.
    const Agreement a = compare(rgb, libjpegref::decode(data, 3));
    EXPECT_LE(a.maxDifference, 3);
    EXPECT_LT(a.differing * 10, a.total);
}

TEST(DctAgainstReferenceCodec, ForwardDctGivesTheReferenceCoefficients)
{
    const Bytes image = makeImage(1, 3);
    for (int quality : {100, 75}) {
        const std::vector<Component> components = libjpegref::readCoefficients(compress(image, 1, quality));
        const Component& reference = components[0];
        uint8_t raw[64];
        for (int i = 0; i < 64; ++i)
            raw[jpegstandard::kZigzagOfNatural[i]] = static_cast<uint8_t>(reference.quantisers[i]);
        uint16_t reciprocals[64];
        ASSERT_EQ(zfmiQuantFwdTableInit_JPEG_8u16u_gn(raw, reciprocals), StatusOk);
        long differing = 0, total = 0;
        for (int by = 0; by < reference.heightInBlocks; ++by)
            for (int bx = 0; bx < reference.widthInBlocks; ++bx) {
                int16_t ours[64];
                ASSERT_EQ(zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_gn(image.data() + 8 * by * imageWidth + 8 * bx,
                                                                 imageWidth, ours, reciprocals),
                          StatusOk);
                const int16_t* theirs = reference.block(bx, by);
                for (int i = 0; i < 64; ++i) {
                    ASSERT_LE(std::abs(ours[i] - theirs[i]), 1) << "quality " << quality;
                    differing += ours[i] != theirs[i];
                    ++total;
                }
            }
        // With unit steps every rounding of the two fixed-point transforms shows.
        EXPECT_LT(differing * 10, total) << "quality " << quality;
    }
}

} // namespace
