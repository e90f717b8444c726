// Row kernels and the region fill behind the 16-bit arithmetic and threshold functions, one per
// build. The kernels check nothing: their entries have checked pointers and sizes.
#pragma once

#include <cstdint>

#include "zefrim/zefrim.h"

// Fills a width x height region of 16-bit values with one value.
ImagingStatus setImage16s_gn(int16_t value, int16_t* pDst, int32_t dstStep, int32_t width, int32_t height);
ImagingStatus setImage16s_s1(int16_t value, int16_t* pDst, int32_t dstStep, int32_t width, int32_t height);
ImagingStatus setImage16s_s2(int16_t value, int16_t* pDst, int32_t dstStep, int32_t width, int32_t height);
ImagingStatus setImage16s_s3(int16_t value, int16_t* pDst, int32_t dstStep, int32_t width, int32_t height);

#define ZEFRIM_ADD_ROW_KERNELS(build)                                                                        \
    void addRowSat_##build(const int16_t* a, const int16_t* b, int16_t* dst, int32_t count);                 \
    void addRowHalf_##build(const int16_t* a, const int16_t* b, int16_t* dst, int32_t count);                \
    void addRowScaled_##build(const int16_t* a, const int16_t* b, int16_t* dst, int32_t count,               \
                              int32_t scaleFactor);                                                          \
    void addRowShifted_##build(const int16_t* a, const int16_t* b, int16_t* dst, int32_t count,              \
                               int32_t shift);                                                               \
    void addRowSign_##build(const int16_t* a, const int16_t* b, int16_t* dst, int32_t count);                \
    void addRowInPlaceSat_##build(const int16_t* src, int16_t* srcDst, int32_t count);                       \
    void addRowInPlaceHalf_##build(const int16_t* src, int16_t* srcDst, int32_t count);                      \
    void addRowInPlaceScaled_##build(const int16_t* src, int16_t* srcDst, int32_t count,                     \
                                     int32_t scaleFactor);                                                   \
    void addRowInPlaceShifted_##build(const int16_t* src, int16_t* srcDst, int32_t count, int32_t shift);

ZEFRIM_ADD_ROW_KERNELS(s1)
ZEFRIM_ADD_ROW_KERNELS(s2)
ZEFRIM_ADD_ROW_KERNELS(s3)
#undef ZEFRIM_ADD_ROW_KERNELS

// In place with a scale factor of -16 and below; s3 uses the s2 routine.
void addRowInPlaceSign_s1(const int16_t* src, int16_t* srcDst, int32_t count);
void addRowInPlaceSign_s2(const int16_t* src, int16_t* srcDst, int32_t count);

// Square row functions: -8 for a null row, -6 for a count not above 0, else 0.
ImagingStatus sqrRow_gn(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor);
ImagingStatus sqrRow_s1(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor);
ImagingStatus sqrRow_s2(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor);
ImagingStatus sqrRow_s3(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor);
