// Threshold, generic build.
#include "arith_entries.h"
#include "builds.h"

extern "C" ImagingStatus zfmiThreshold_LTVal_16s_C1IR_gn(int16_t* pSrcDst, int32_t srcDstStep, RoiSize roiSize,
                                                         int16_t threshold, int16_t value)
{
    const ImagingStatus status = checkThreshold(pSrcDst, srcDstStep, roiSize);
    if (status != StatusOk)
        return status;
    // Rows start on even byte distances in this build.
    srcDstStep &= ~1;
    for (int32_t y = 0; y < roiSize.height; ++y) {
        int16_t* row = rowAt(pSrcDst, y, srcDstStep);
        // Every value is written back through a mask, replaced or not: no branch on the data.
        for (int32_t x = 0; x < roiSize.width; ++x) {
            const int32_t v = load16(row, x);
            const int32_t below = -static_cast<int32_t>(v < threshold);
            store16(row, x, (value & below) | (v & ~below));
        }
    }
    return StatusOk;
}
