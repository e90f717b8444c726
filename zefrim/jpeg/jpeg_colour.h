// JPEG (full-range JFIF) colour conversions: the tables, the per-pixel rules of the generic and
// the vector builds, the argument checks and the row loops that every build shares.
// Everything here has internal linkage, so each build compiles its own copy with its own flags.
#pragma once

#include <cstddef>
#include <cstdint>

#include "build_token.h"
#include "zefrim/zefrim.h"

namespace jpeg_colour::inline ZEFRIM_BUILD_NAMESPACE {

// ---- Forward (RGB to YCbCr) -------------------------------------------------------------

// Eight sections of 256: R->Y, G->Y, B->Y, R->Cb, G->Cb, B->Cb (also R->Cr), G->Cr, B->Cr.
// The chroma addend is one below 128.5 * 65536 so that the largest result stays at 255.
struct RgbToYccTable {
    int32_t entry[8][256];
};

constexpr RgbToYccTable makeRgbToYccTable()
{
    constexpr int32_t chromaAddend = 128 * 65536 + 32767;
    RgbToYccTable t{};
    for (int32_t i = 0; i < 256; ++i) {
        t.entry[0][i] = 19595 * i;
        t.entry[1][i] = 38470 * i;
        t.entry[2][i] = 7471 * i + 32768;
        t.entry[3][i] = -11059 * i;
        t.entry[4][i] = -21709 * i;
        t.entry[5][i] = 32768 * i + chromaAddend;
        t.entry[6][i] = -27439 * i;
        t.entry[7][i] = -5329 * i;
    }
    return t;
}

inline constexpr RgbToYccTable rgbToYccTable = makeRgbToYccTable();

struct Ycc {
    uint8_t y, cb, cr;
};

static inline uint8_t lumaGeneric(uint8_t r, uint8_t g, uint8_t b)
{
    const auto& t = rgbToYccTable.entry;
    return static_cast<uint8_t>((t[0][r] + t[1][g] + t[2][b]) >> 16);
}

static inline Ycc yccGeneric(uint8_t r, uint8_t g, uint8_t b)
{
    const auto& t = rgbToYccTable.entry;
    return {lumaGeneric(r, g, b), static_cast<uint8_t>((t[3][r] + t[4][g] + t[5][b]) >> 16),
            static_cast<uint8_t>((t[5][r] + t[6][g] + t[7][b]) >> 16)};
}

static inline uint8_t clampByte(int32_t v)
{
    return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// The two fixed-point rules of the vector builds (15-bit and 14-bit coefficients).
enum class VectorRule { Bits15, Bits14 };

static inline uint8_t lumaVector(VectorRule rule, int32_t r, int32_t g, int32_t b)
{
    if (rule == VectorRule::Bits15)
        return clampByte((9798 * r + 19235 * g + 3736 * b + 16266) >> 15);
    return clampByte((4899 * r + 9617 * g + 1868 * b + 8192) >> 14);
}

static inline Ycc yccVector(VectorRule rule, int32_t r, int32_t g, int32_t b)
{
    if (rule == VectorRule::Bits15)
        return {lumaVector(rule, r, g, b), clampByte((-5529 * r - 10855 * g + 16384 * b + 4210688) >> 15),
                clampByte((16384 * r - 13720 * g - 2664 * b + 4210704) >> 15)};
    return {lumaVector(rule, r, g, b), clampByte((-2764 * r - 5428 * g + 8192 * b + 2105344) >> 14),
            clampByte((8192 * r - 6860 * g - 1332 * b + 2105344) >> 14)};
}

// Byte positions of R, G and B inside a 3-byte source pixel.
struct ChannelOrder {
    int r, g, b;
};
inline constexpr ChannelOrder rgbOrder{0, 1, 2};
inline constexpr ChannelOrder bgrOrder{2, 1, 0};

static inline ImagingStatus checkForward(const uint8_t* src, int32_t srcStep, const void* dst,
                                         const uint8_t* const* planes, int planeCount, int32_t dstStep,
                                         RoiSize roi)
{
    if (src == nullptr || dst == nullptr)
        return StatusNullPointer;
    for (int k = 0; k < planeCount; ++k)
        if (planes[k] == nullptr)
            return StatusNullPointer;
    if (srcStep <= 0 || dstStep <= 0)
        return StatusBadStep;
    if (roi.width <= 0 || roi.height <= 0)
        return StatusBadSize;
    return StatusOk;
}

// Row loops. PixelRule(x, width) tells which rule converts pixel x of a row of that width.
template <typename LumaOf>
static inline ImagingStatus rgbToLuma(const uint8_t* src, int32_t srcStep, uint8_t* dst, int32_t dstStep,
                                      RoiSize roi, LumaOf lumaOf)
{
    const ImagingStatus status = checkForward(src, srcStep, dst, nullptr, 0, dstStep, roi);
    if (status != StatusOk)
        return status;
    for (int32_t y = 0; y < roi.height; ++y) {
        const uint8_t* in = src + static_cast<ptrdiff_t>(y) * srcStep;
        uint8_t* out = dst + static_cast<ptrdiff_t>(y) * dstStep;
        for (int32_t x = 0; x < roi.width; ++x, in += 3)
            out[x] = lumaOf(in[0], in[1], in[2]);
    }
    return StatusOk;
}

template <typename YccOf>
static inline ImagingStatus rgbToPlanes(const uint8_t* src, int32_t srcStep, uint8_t* const dst[3],
                                        int32_t dstStep, RoiSize roi, ChannelOrder order, YccOf yccOf)
{
    const ImagingStatus status = checkForward(src, srcStep, dst, dst, 3, dstStep, roi);
    if (status != StatusOk)
        return status;
    for (int32_t y = 0; y < roi.height; ++y) {
        const uint8_t* in = src + static_cast<ptrdiff_t>(y) * srcStep;
        const ptrdiff_t offset = static_cast<ptrdiff_t>(y) * dstStep;
        uint8_t* outY = dst[0] + offset;
        uint8_t* outCb = dst[1] + offset;
        uint8_t* outCr = dst[2] + offset;
        for (int32_t x = 0; x < roi.width; ++x, in += 3) {
            const Ycc c = yccOf(x, roi.width, in[order.r], in[order.g], in[order.b]);
            outY[x] = c.y;
            outCb[x] = c.cb;
            outCr[x] = c.cr;
        }
    }
    return StatusOk;
}

template <typename YccOf>
static inline ImagingStatus cmykToPlanes(const uint8_t* src, int32_t srcStep, uint8_t* const dst[4],
                                         int32_t dstStep, RoiSize roi, YccOf yccOf)
{
    const ImagingStatus status = checkForward(src, srcStep, dst, dst, 4, dstStep, roi);
    if (status != StatusOk)
        return status;
    for (int32_t y = 0; y < roi.height; ++y) {
        const uint8_t* in = src + static_cast<ptrdiff_t>(y) * srcStep;
        const ptrdiff_t offset = static_cast<ptrdiff_t>(y) * dstStep;
        for (int32_t x = 0; x < roi.width; ++x, in += 4) {
            // The inverted C, M, Y bytes are the R, G, B of the YCC transform; K passes through.
            const Ycc c = yccOf(255 - in[0], 255 - in[1], 255 - in[2]);
            dst[0][offset + x] = c.y;
            dst[1][offset + x] = c.cb;
            dst[2][offset + x] = c.cr;
            dst[3][offset + x] = in[3];
        }
    }
    return StatusOk;
}

// The YCbCr conversions of the vector builds: the 15-bit rule over whole groups of
// `groupWidth` pixels, the 14-bit rule for the rest of the row.
template <int groupWidth>
static inline Ycc yccVectorGrouped(int32_t x, int32_t width, uint8_t r, uint8_t g, uint8_t b)
{
    const int32_t grouped = width - width % groupWidth;
    return yccVector(x < grouped ? VectorRule::Bits15 : VectorRule::Bits14, r, g, b);
}

static inline Ycc yccGenericAt(int32_t, int32_t, uint8_t r, uint8_t g, uint8_t b)
{
    return yccGeneric(r, g, b);
}

static inline uint8_t lumaVector15(uint8_t r, uint8_t g, uint8_t b)
{
    return lumaVector(VectorRule::Bits15, r, g, b);
}

static inline Ycc yccVector14(int32_t r, int32_t g, int32_t b)
{
    return yccVector(VectorRule::Bits14, r, g, b);
}

static inline Ycc yccGenericInt(int32_t r, int32_t g, int32_t b)
{
    return yccGeneric(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
}

// ---- Inverse (YCbCr to RGB) -------------------------------------------------------------

struct YccToRgbTables {
    int32_t crToR[256];
    int32_t cbToB[256];
    int32_t crToG[256];
    int32_t cbToG[256];
};

constexpr YccToRgbTables makeYccToRgbTables()
{
    YccToRgbTables t{};
    for (int32_t i = 0; i < 256; ++i) {
        const int32_t x = i - 128;
        t.crToR[i] = (91881 * x + 32768) >> 16;
        t.cbToB[i] = (116130 * x + 32768) >> 16;
        t.crToG[i] = -46802 * x;
        t.cbToG[i] = -22554 * x + 32768;
    }
    return t;
}

inline constexpr YccToRgbTables yccToRgbTables = makeYccToRgbTables();

struct Rgb {
    uint8_t r, g, b;
};

// clampTable[v + clampOffset] = v clamped to 0..255, for every sum of a luma byte and a
// chroma term (-227..480): clamping without branches.
inline constexpr int32_t clampOffset = 256;
struct ClampTable {
    uint8_t entry[1024];
};
constexpr ClampTable makeClampTable()
{
    ClampTable t{};
    for (int32_t i = 0; i < 1024; ++i) {
        const int32_t v = i - clampOffset;
        t.entry[i] = static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
    }
    return t;
}
inline constexpr ClampTable clampTable = makeClampTable();

static inline Rgb rgbGeneric(int32_t y, uint8_t cb, uint8_t cr)
{
    const YccToRgbTables& t = yccToRgbTables;
    const uint8_t* clamp = clampTable.entry + clampOffset + y;
    return {clamp[t.crToR[cr]], clamp[(t.cbToG[cb] + t.crToG[cr]) >> 16], clamp[t.cbToB[cb]]};
}

// The 14-bit rule of the vector builds on the raw chroma bytes; its offsets fold in the
// centring and a rounding term that is not quite one half.
static inline Rgb rgbVector(int32_t y, int32_t cb, int32_t cr)
{
    const int32_t offR = (22970 * cr - 2932015) >> 14;
    const int32_t offG = (-5638 * cb - 11700 * cr + 2227566) >> 14;
    const int32_t offB = (29032 * cb - 3707961) >> 14;
    return {clampByte(y + offR), clampByte(y + offG), clampByte(y + offB)};
}

// Byte positions of R, G and B inside a 3-byte destination pixel.
struct PixelLayout {
    int r, g, b;
};
inline constexpr PixelLayout rgbLayout{0, 1, 2};
inline constexpr PixelLayout bgrLayout{2, 1, 0};

static inline ImagingStatus checkInverse(const uint8_t* const planes[3], int32_t planeStep,
                                         const uint8_t* pixels, int32_t pixelStep, RoiSize roi)
{
    if (planes == nullptr || pixels == nullptr)
        return StatusNullPointer;
    if (planes[0] == nullptr || planes[1] == nullptr || planes[2] == nullptr)
        return StatusNullPointer;
    if (planeStep <= 0 || pixelStep <= 0)
        return StatusBadStep;
    if (roi.width <= 0 || roi.height <= 0)
        return StatusBadSize;
    return StatusOk;
}

// RowConverter(yRow, cbRow, crRow, out, width, layout) converts one row.
template <typename RowConverter>
static inline ImagingStatus planesToPixels(const uint8_t* const planes[3], int32_t planeStep, uint8_t* pixels,
                                           int32_t pixelStep, RoiSize roi, PixelLayout layout,
                                           RowConverter convertRow)
{
    const ImagingStatus status = checkInverse(planes, planeStep, pixels, pixelStep, roi);
    if (status != StatusOk)
        return status;
    for (int32_t y = 0; y < roi.height; ++y) {
        const ptrdiff_t offset = static_cast<ptrdiff_t>(y) * planeStep;
        convertRow(planes[0] + offset, planes[1] + offset, planes[2] + offset,
                   pixels + static_cast<ptrdiff_t>(y) * pixelStep, roi.width, layout);
    }
    return StatusOk;
}

static inline void storePixel(uint8_t* out, Rgb c, PixelLayout layout)
{
    out[layout.r] = c.r;
    out[layout.g] = c.g;
    out[layout.b] = c.b;
}

static inline void rowGeneric(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out,
                              int32_t from, int32_t width, PixelLayout layout)
{
    for (ptrdiff_t x = from; x < width; ++x)
        storePixel(out + 3 * x, rgbGeneric(y[x], cb[x], cr[x]), layout);
}

// Vector builds: leading multiple of four pixels by the vector rule, the rest generic.
static inline void rowVectorScalar(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out,
                                   int32_t width, PixelLayout layout)
{
    const int32_t leading = width - width % 4;
    for (ptrdiff_t x = 0; x < leading; ++x)
        storePixel(out + 3 * x, rgbVector(y[x], cb[x], cr[x]), layout);
    rowGeneric(y, cb, cr, out, leading, width, layout);
}

} // namespace jpeg_colour::inline ZEFRIM_BUILD_NAMESPACE
