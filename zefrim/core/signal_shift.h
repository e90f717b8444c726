// Checks and scalar loops of the constant 16-bit shifts, shared by the builds' entries.
#pragma once

#include "build_token.h"
#include "zefrim/zefrim.h"

#include <cstdint>
#include <cstring>

inline namespace ZEFRIM_BUILD_NAMESPACE {

inline constexpr int32_t kLargestShift = 15;

// Pointer, then count, then the sign of the shift.
inline ImagingStatus checkShiftArguments(int32_t shift, const int16_t* pSrcDst, int32_t len)
{
    if (pSrcDst == nullptr)
        return StatusNullPointer;
    if (len <= 0)
        return StatusBadSize;
    if (shift < 0)
        return StatusBadShift;
    return StatusOk;
}

// Bits shifted out are lost; no saturation.
inline int16_t shiftLeftOne(int16_t x, int32_t shift)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint16_t>(x) << shift));
}

inline int16_t shiftRightOne(int16_t x, int32_t shift)
{
    return static_cast<int16_t>(x >> shift);
}

// Element access that also serves arrays at odd addresses.
inline int16_t loadShort(const int16_t* p, int32_t i)
{
    int16_t x;
    std::memcpy(&x, reinterpret_cast<const char*>(p) + 2 * static_cast<intptr_t>(i), sizeof(x));
    return x;
}

inline void storeShort(int16_t* p, int32_t i, int16_t x)
{
    std::memcpy(reinterpret_cast<char*>(p) + 2 * static_cast<intptr_t>(i), &x, sizeof(x));
}

template <typename Shift> inline void shiftLoop(int16_t* p, int32_t len, int32_t shift, Shift one)
{
    for (int32_t i = 0; i < len; ++i)
        storeShort(p, i, one(loadShort(p, i), shift));
}

inline void shiftLeftLoop(int16_t* p, int32_t len, int32_t shift)
{
    shiftLoop(p, len, shift, shiftLeftOne);
}

inline void shiftRightLoop(int16_t* p, int32_t len, int32_t shift)
{
    shiftLoop(p, len, shift, shiftRightOne);
}

// A right shift beyond 15 leaves only the sign.
inline void fillWithSign(int16_t* p, int32_t len)
{
    for (int32_t i = 0; i < len; ++i)
        storeShort(p, i, loadShort(p, i) < 0 ? int16_t(-1) : int16_t(0));
}

// The entries of the vector builds: the checks and the cases outside 1..15 here, the
// kernels only ever see a shift of 1 to 15.
template <typename Kernel, typename ZeroShorts>
ImagingStatus shiftLeftEntry(int32_t shift, int16_t* p, int32_t len, Kernel kernel, ZeroShorts zero)
{
    if (shift > kLargestShift)
        return zero(p, len);
    const ImagingStatus status = checkShiftArguments(shift, p, len);
    if (status != StatusOk || shift == 0)
        return status;
    kernel(p, len, shift);
    return StatusOk;
}

template <typename Kernel>
ImagingStatus shiftRightEntry(int32_t shift, int16_t* p, int32_t len, Kernel kernel)
{
    const ImagingStatus status = checkShiftArguments(shift, p, len);
    if (status != StatusOk || shift == 0)
        return status;
    if (shift > kLargestShift)
        fillWithSign(p, len);
    else
        kernel(p, len, shift);
    return StatusOk;
}

} // namespace ZEFRIM_BUILD_NAMESPACE
