// Threshold, s1 build: single values up to a 8-byte boundary, then whole vectors with
// non-temporal stores where the row allows them; one store fence per call. Steps are used as given.
#include "arith_fill.h"
#include "arith_lanes_mmx.h"
#include "builds.h"

extern "C" ImagingStatus zfmiThreshold_LTVal_16s_C1IR_s1(int16_t* pSrcDst, int32_t srcDstStep,
                                                         RoiSize roiSize, int16_t threshold, int16_t value)
{
    return thresholdImage<MmxLanes>(pSrcDst, srcDstStep, roiSize, threshold, value, 8, true);
}
