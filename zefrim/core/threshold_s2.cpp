// Threshold, s2 build: single values up to a 16-byte boundary, then whole vectors with
// non-temporal stores where the row allows them; one store fence per call. Steps are used as given.
#include "arith_fill.h"
#include "arith_lanes_sse2.h"
#include "builds.h"

extern "C" ImagingStatus zfmiThreshold_LTVal_16s_C1IR_s2(int16_t* pSrcDst, int32_t srcDstStep,
                                                         RoiSize roiSize, int16_t threshold, int16_t value)
{
    return thresholdImage<Sse2Lanes>(pSrcDst, srcDstStep, roiSize, threshold, value, 16, true);
}
