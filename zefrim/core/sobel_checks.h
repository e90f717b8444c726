// Argument checks shared by every build of the two Sobel filters.
#pragma once

#include <cstdint>

#include "zefrim/zefrim.h"

namespace {

enum SobelKind : int32_t { SobelVertical = 0, SobelHorizontal = 1 };

inline ImagingStatus checkSobelArguments(const uint8_t* pSrc, int32_t srcStep, const int16_t* pDst,
                                         int32_t dstStep, RoiSize roi, int32_t mask)
{
    if (pSrc == nullptr || pDst == nullptr)
        return StatusNullPointer;
    if (roi.width <= 0 || roi.height <= 0)
        return StatusBadSize;
    if (srcStep <= 0 || dstStep <= 0)
        return StatusBadStep;
    if (mask != MaskSize3x3 && mask != MaskSize5x5)
        return StatusBadMaskSize;
    return StatusOk;
}

} // namespace
