// Row addressing and unaligned 16-bit access shared by the image functions. Regions may start at
// any byte address and rows may be any number of bytes apart, so 16-bit values are moved with
// memcpy (a plain load or store once compiled) instead of typed access.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace {

template <class T> inline T* rowAt(T* base, int32_t row, int32_t step)
{
    using Byte = std::conditional_t<std::is_const_v<T>, const uint8_t, uint8_t>;
    return reinterpret_cast<T*>(reinterpret_cast<Byte*>(base) + std::ptrdiff_t(row) * step);
}

inline int16_t load16(const int16_t* p, std::ptrdiff_t i = 0)
{
    int16_t v;
    std::memcpy(&v, reinterpret_cast<const uint8_t*>(p) + 2 * i, sizeof v);
    return v;
}

inline void store16(int16_t* p, std::ptrdiff_t i, int32_t v)
{
    const int16_t narrow = static_cast<int16_t>(v);
    std::memcpy(reinterpret_cast<uint8_t*>(p) + 2 * i, &narrow, sizeof narrow);
}

inline bool isAligned(const void* p, uintptr_t boundary)
{
    return (reinterpret_cast<uintptr_t>(p) & (boundary - 1)) == 0;
}

inline int32_t clampToByte(int32_t v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

inline int32_t saturateTo16(int32_t v)
{
    return v < -32768 ? -32768 : (v > 32767 ? 32767 : v);
}

} // namespace
