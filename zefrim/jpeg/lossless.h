// Lossless JPEG prediction: rows of 16-bit samples to prediction differences and back. All sums
// wrap modulo 2^16, so samples of up to 16 bits pass through unchanged.
#pragma once

#include <cstdint>

#include "build_token.h"
#include "zefrim/zefrim.h"

namespace lossless::inline ZEFRIM_BUILD_NAMESPACE {

static inline int16_t wrap16(int32_t v)
{
    return static_cast<int16_t>(v);
}

// Prediction of the first sample of the first row: 2^(P - Pt - 1), the exponent taken mod 32.
static inline int16_t firstRowStart(int32_t precision, int32_t pointTransform)
{
    const uint32_t exponent = static_cast<uint32_t>(precision - pointTransform - 1) & 31u;
    return wrap16(static_cast<int32_t>((uint32_t{1} << exponent) & 0xFFFFu));
}

// Prediction at a position i > 0 of a later row; ra, rb, rc are read as signed 16-bit.
static inline int32_t predict(int32_t predictor, int32_t ra, int32_t rb, int32_t rc)
{
    switch (predictor) {
    case 1:
        return ra;
    case 2:
        return rb;
    case 3:
        return rc;
    case 4:
        return ra + rb - rc;
    case 5:
        return ra + ((rb - rc) >> 1);
    case 6:
        return rb + ((ra - rc) >> 1);
    default:
        return (ra + rb) >> 1;
    }
}

static inline ImagingStatus checkFirstRow(const void* source, const void* destination, int32_t width,
                                          int32_t precision, int32_t pointTransform)
{
    if (source == nullptr || destination == nullptr)
        return StatusNullPointer;
    if (width <= 0)
        return StatusBadSize;
    if (precision < 2 || precision > 16 || pointTransform < 0)
        return StatusBadArgument;
    return StatusOk;
}

static inline ImagingStatus checkRow(const void* source, const void* previous, const void* destination,
                                     int32_t width, int32_t predictor)
{
    if (source == nullptr || previous == nullptr || destination == nullptr)
        return StatusNullPointer;
    if (width <= 0)
        return StatusBadSize;
    if (predictor < 1 || predictor > 7)
        return StatusBadArgument;
    return StatusOk;
}

static inline ImagingStatus diffFirstRow(const int16_t* samples, int16_t* differences, int32_t width,
                                         int32_t precision, int32_t pointTransform)
{
    const ImagingStatus status = checkFirstRow(samples, differences, width, precision, pointTransform);
    if (status != StatusOk)
        return status;
    // Backwards, so that an in-place call still predicts from the original samples.
    for (int32_t i = width - 1; i > 0; --i)
        differences[i] = wrap16(samples[i] - samples[i - 1]);
    differences[0] = wrap16(samples[0] - firstRowStart(precision, pointTransform));
    return StatusOk;
}

static inline ImagingStatus diffRow(const int16_t* samples, const int16_t* previous, int16_t* differences,
                                    int32_t width, int32_t predictor)
{
    const ImagingStatus status = checkRow(samples, previous, differences, width, predictor);
    if (status != StatusOk)
        return status;
    for (int32_t i = width - 1; i > 0; --i)
        differences[i] =
            wrap16(samples[i] - predict(predictor, samples[i - 1], previous[i], previous[i - 1]));
    differences[0] = wrap16(samples[0] - previous[0]);
    return StatusOk;
}

static inline ImagingStatus reconstructFirstRow(const int16_t* differences, int16_t* samples, int32_t width,
                                                int32_t precision, int32_t pointTransform)
{
    const ImagingStatus status = checkFirstRow(differences, samples, width, precision, pointTransform);
    if (status != StatusOk)
        return status;
    samples[0] = wrap16(differences[0] + firstRowStart(precision, pointTransform));
    for (int32_t i = 1; i < width; ++i)
        samples[i] = wrap16(differences[i] + samples[i - 1]);
    return StatusOk;
}

static inline ImagingStatus reconstructRow(const int16_t* differences, const int16_t* previous,
                                           int16_t* samples, int32_t width, int32_t predictor)
{
    const ImagingStatus status = checkRow(differences, previous, samples, width, predictor);
    if (status != StatusOk)
        return status;
    samples[0] = wrap16(differences[0] + previous[0]);
    for (int32_t i = 1; i < width; ++i)
        samples[i] =
            wrap16(differences[i] + predict(predictor, samples[i - 1], previous[i], previous[i - 1]));
    return StatusOk;
}

} // namespace lossless::inline ZEFRIM_BUILD_NAMESPACE
