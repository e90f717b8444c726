// Widening row kernels of the vector builds. The JPEG quantisation tables of each build call
// them as well as the exported conversion; the generic build is zfmiConvert_8u16s_C1R_gn.
#pragma once

#include <cstdint>

// s2 and s3: single values up to a 16-byte destination boundary, then 32 and 16 values per
// step; with streaming set the steps use non-temporal stores followed by a store fence.
void convertRow8u16s_s2(const uint8_t* src, int16_t* dst, int32_t count, bool streaming);
void convertRow8u16s_s3(const uint8_t* src, int16_t* dst, int32_t count, bool streaming);

// s1 always stores non-temporally and ends with a store fence.
void convertRow8u16s_s1(const uint8_t* src, int16_t* dst, int32_t count);
