// Chroma down- and up-sampling of one 8-bit plane by two. The target size drives every loop; the
// up-sampling reads one border sample around the source region, which the caller provides.
#pragma once

#include <cstddef>
#include <cstdint>

#include "build_token.h"
#include "zefrim/zefrim.h"

namespace sampling::inline ZEFRIM_BUILD_NAMESPACE {

static inline ImagingStatus checkPlanes(const uint8_t* source, int32_t sourceStep, RoiSize sourceSize,
                                        const uint8_t* target, int32_t targetStep, RoiSize targetSize)
{
    if (source == nullptr)
        return StatusNullPointer;
    if (sourceStep <= 0)
        return StatusBadStep;
    if (sourceSize.width <= 0 || sourceSize.height <= 0)
        return StatusBadSize;
    if (target == nullptr)
        return StatusNullPointer;
    if (targetStep <= 0)
        return StatusBadStep;
    if (targetSize.width <= 0 || targetSize.height <= 0)
        return StatusBadSize;
    return StatusOk;
}

static inline const uint8_t* rowAt(const uint8_t* plane, int32_t step, ptrdiff_t y)
{
    return plane + y * step;
}

static inline uint8_t* rowAt(uint8_t* plane, int32_t step, ptrdiff_t y)
{
    return plane + y * step;
}

// Halves round up: (a + b + 1) / 2.
static inline void downRowH2V1(const uint8_t* in, uint8_t* out, int32_t width)
{
    for (ptrdiff_t x = 0; x < width; ++x)
        out[x] = static_cast<uint8_t>((in[2 * x] + in[2 * x + 1] + 1) >> 1);
}

// The mean of a 2x2 block, rounded up.
static inline void downRowH2V2(const uint8_t* upper, const uint8_t* lower, uint8_t* out, int32_t width)
{
    for (ptrdiff_t x = 0; x < width; ++x)
        out[x] = static_cast<uint8_t>(
            (upper[2 * x] + upper[2 * x + 1] + lower[2 * x] + lower[2 * x + 1] + 3) >> 2);
}

// Triangular interpolation: each output weighs its nearer source sample by 3, the other by 1.
static inline void upRowH2V1(const uint8_t* in, uint8_t* out, int32_t width)
{
    const int32_t pairs = width / 2;
    for (int32_t k = 0; k < pairs; ++k) {
        const int32_t near3 = 3 * in[k];
        out[2 * k] = static_cast<uint8_t>((near3 + in[k - 1] + 1) >> 2);
        out[2 * k + 1] = static_cast<uint8_t>((near3 + in[k + 1] + 2) >> 2);
    }
    if (width % 2 != 0)
        out[width - 1] = static_cast<uint8_t>((3 * in[pairs] + in[pairs - 1] + 1) >> 2);
}

// Column sums weigh the nearer source row by 3; the outputs then weigh the columns the same way.
// Starts at output pair firstPair (a build may have done the pairs before it).
static inline void upRowH2V2From(const uint8_t* nearRow, const uint8_t* farRow, uint8_t* out, int32_t width,
                                 int32_t firstPair)
{
    const auto columnSum = [&](int32_t j) { return 3 * nearRow[j] + farRow[j]; };
    const int32_t pairs = width / 2;
    int32_t left = columnSum(firstPair - 1);
    int32_t centre = columnSum(firstPair);
    for (int32_t k = firstPair; k < pairs; ++k) {
        const int32_t right = columnSum(k + 1);
        out[2 * k] = static_cast<uint8_t>((3 * centre + left + 8) >> 4);
        out[2 * k + 1] = static_cast<uint8_t>((3 * centre + right + 7) >> 4);
        left = centre;
        centre = right;
    }
    if (width % 2 != 0)
        out[width - 1] = static_cast<uint8_t>((3 * centre + left + 8) >> 4);
}

static inline void upRowH2V2(const uint8_t* nearRow, const uint8_t* farRow, uint8_t* out, int32_t width)
{
    upRowH2V2From(nearRow, farRow, out, width, 0);
}

// Checks both planes, then calls convertRow(y) for every target row y.
template <typename ConvertRow>
static inline ImagingStatus eachTargetRow(const uint8_t* source, int32_t sourceStep, RoiSize sourceSize,
                                          uint8_t* target, int32_t targetStep, RoiSize targetSize,
                                          ConvertRow convertRow)
{
    const ImagingStatus status = checkPlanes(source, sourceStep, sourceSize, target, targetStep, targetSize);
    if (status != StatusOk)
        return status;
    for (ptrdiff_t y = 0; y < targetSize.height; ++y)
        convertRow(y);
    return StatusOk;
}

static inline ImagingStatus downH2V1(const uint8_t* source, int32_t sourceStep, RoiSize sourceSize,
                                     uint8_t* target, int32_t targetStep, RoiSize targetSize)
{
    return eachTargetRow(source, sourceStep, sourceSize, target, targetStep, targetSize, [&](ptrdiff_t y) {
        downRowH2V1(rowAt(source, sourceStep, y), rowAt(target, targetStep, y), targetSize.width);
    });
}

static inline ImagingStatus downH2V2(const uint8_t* source, int32_t sourceStep, RoiSize sourceSize,
                                     uint8_t* target, int32_t targetStep, RoiSize targetSize)
{
    return eachTargetRow(source, sourceStep, sourceSize, target, targetStep, targetSize, [&](ptrdiff_t y) {
        downRowH2V2(rowAt(source, sourceStep, 2 * y), rowAt(source, sourceStep, 2 * y + 1),
                    rowAt(target, targetStep, y), targetSize.width);
    });
}

static inline ImagingStatus upH2V1(const uint8_t* source, int32_t sourceStep, RoiSize sourceSize,
                                   uint8_t* target, int32_t targetStep, RoiSize targetSize)
{
    return eachTargetRow(source, sourceStep, sourceSize, target, targetStep, targetSize, [&](ptrdiff_t y) {
        upRowH2V1(rowAt(source, sourceStep, y), rowAt(target, targetStep, y), targetSize.width);
    });
}

// Even target rows take the source row above as the farther one, odd rows the one below.
template <void (*upRow)(const uint8_t*, const uint8_t*, uint8_t*, int32_t) = upRowH2V2>
static inline ImagingStatus upH2V2(const uint8_t* source, int32_t sourceStep, RoiSize sourceSize,
                                   uint8_t* target, int32_t targetStep, RoiSize targetSize)
{
    return eachTargetRow(source, sourceStep, sourceSize, target, targetStep, targetSize, [&](ptrdiff_t y) {
        const ptrdiff_t nearY = y >> 1;
        const ptrdiff_t farY = (y % 2 == 0) ? nearY - 1 : nearY + 1;
        upRow(rowAt(source, sourceStep, nearY), rowAt(source, sourceStep, farY), rowAt(target, targetStep, y),
              targetSize.width);
    });
}

// upH2V2 with target rows 2i and 2i + 1, which share source row i as the nearer one, made by one
// call of upRows(above, near, below, upper, lower, width); a last odd row goes to upRow.
template <void (*upRows)(const uint8_t*, const uint8_t*, const uint8_t*, uint8_t*, uint8_t*, int32_t),
          void (*upRow)(const uint8_t*, const uint8_t*, uint8_t*, int32_t)>
static inline ImagingStatus upH2V2InPairs(const uint8_t* source, int32_t sourceStep, RoiSize sourceSize,
                                          uint8_t* target, int32_t targetStep, RoiSize targetSize)
{
    const ImagingStatus status = checkPlanes(source, sourceStep, sourceSize, target, targetStep, targetSize);
    if (status != StatusOk)
        return status;
    ptrdiff_t y = 0;
    for (; y + 1 < targetSize.height; y += 2) {
        const ptrdiff_t nearY = y >> 1;
        upRows(rowAt(source, sourceStep, nearY - 1), rowAt(source, sourceStep, nearY),
               rowAt(source, sourceStep, nearY + 1), rowAt(target, targetStep, y),
               rowAt(target, targetStep, y + 1), targetSize.width);
    }
    if (y < targetSize.height)
        upRow(rowAt(source, sourceStep, y >> 1), rowAt(source, sourceStep, (y >> 1) - 1),
              rowAt(target, targetStep, y), targetSize.width);
    return StatusOk;
}

} // namespace sampling::inline ZEFRIM_BUILD_NAMESPACE
