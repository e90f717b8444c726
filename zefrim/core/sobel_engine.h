// Sobel engines of the vector builds: the operator split into a first and a second pass, both
// taken from a kernel table of the build and run on 16-bit lanes. No intermediate leaves the
// 16-bit range (first-pass values lie within 0..4080 or -765..765), so the results equal the
// generic build's. A build supplies its lane type and a policy with its allocation, prefetch,
// destination stores and end of call.
#pragma once

#include <cstring>

#include "copy_access.h"
#include "sobel_checks.h"

namespace {

using FirstPass5 = void (*)(const uint8_t* columnMinus2, int16_t* bufferRow, int32_t count);
using SecondPass5 = void (*)(const int16_t* const* ringRows, int16_t* dst, int32_t count);
using FirstPass3 = void (*)(const uint8_t* columnMinus1, int16_t* bufferRow, int32_t count, int32_t srcStep);
using SecondPass3 = void (*)(const int16_t* bufferRow, int16_t* dst, int32_t count);

// Slots 0..14: first passes at elementType * 5 + kind; slots 15..29: their second passes. Only the
// 8u-to-16s first derivatives (slots 0, 1, 15, 16) are filled.
struct SobelKernelTable5 {
    FirstPass5 first[15];
    SecondPass5 second[15];
};

struct SobelKernelTable3 {
    FirstPass3 first[15];
    SecondPass3 second[15];
};

constexpr int32_t kSecondPassSlot = 15;

template <class L> using Lane = typename L::V;

// Whole vectors of the destination row, then the last values through a block and ever smaller
// stores, so nothing after the row's last value is touched.
template <class L, class P, class Compute>
inline void storeDestinationRow(int16_t* dst, int32_t count, Compute compute)
{
    const bool rowAligned = isAligned(dst, sizeof(Lane<L>));
    int32_t x = 0;
    for (; x + L::lanes <= count; x += L::lanes)
        P::storeDestination(dst + x, compute(x), rowAligned);
    if (x == count)
        return;
    alignas(16) int16_t block[L::lanes];
    L::storeAligned(block, compute(x));
    auto* out = reinterpret_cast<uint8_t*>(dst + x);
    const auto* in = reinterpret_cast<const uint8_t*>(block);
    int32_t remaining = 2 * (count - x);
    for (int32_t chunk = 8; chunk >= 2; chunk /= 2)
        if (remaining >= chunk) {
            std::memcpy(out, in, static_cast<size_t>(chunk));
            out += chunk;
            in += chunk;
            remaining -= chunk;
        }
}

// --- 5x5: row pass into a ring of five rows, then a column pass. ---

template <class L> inline Lane<L> rowDerivative5(const uint8_t* p)
{
    const Lane<L> twice = L::sub(L::widenBytes(p + 1), L::widenBytes(p + 3));
    return L::sub(L::add(L::widenBytes(p), L::add(twice, twice)), L::widenBytes(p + 4));
}

template <class L> inline Lane<L> rowSmooth5(const uint8_t* p)
{
    const Lane<L> outer = L::add(L::widenBytes(p), L::widenBytes(p + 4));
    const Lane<L> inner = L::shiftLeft(L::add(L::widenBytes(p + 1), L::widenBytes(p + 3)), 2);
    return L::add(L::add(outer, inner), L::mul(L::widenBytes(p + 2), L::splat(6)));
}

// Whole vectors only; the last one reads its source through a zero-padded copy so that no byte
// past column width+1 is read.
template <class L, class P, Lane<L> (*rowOp)(const uint8_t*)>
void firstPass5(const uint8_t* p, int16_t* out, int32_t count)
{
    int32_t k = 0;
    for (; k + L::lanes <= count; k += L::lanes) {
        P::prefetch(p + k);
        L::storeAligned(out + k, rowOp(p + k));
    }
    if (k < count) {
        uint8_t padded[L::lanes + 8] = {};
        std::memcpy(padded, p + k, static_cast<size_t>(count - k + 4));
        L::storeAligned(out + k, rowOp(padded));
    }
}

template <class L> inline Lane<L> columnSmooth5(const int16_t* const* r, int32_t x)
{
    const Lane<L> outer = L::add(L::loadAligned(r[0] + x), L::loadAligned(r[4] + x));
    const Lane<L> inner = L::shiftLeft(L::add(L::loadAligned(r[1] + x), L::loadAligned(r[3] + x)), 2);
    return L::add(L::add(outer, inner), L::mul(L::loadAligned(r[2] + x), L::splat(6)));
}

template <class L> inline Lane<L> columnDerivative5(const int16_t* const* r, int32_t x)
{
    const Lane<L> twice = L::sub(L::loadAligned(r[3] + x), L::loadAligned(r[1] + x));
    return L::add(L::sub(L::loadAligned(r[4] + x), L::loadAligned(r[0] + x)), L::add(twice, twice));
}

template <class L, class P, Lane<L> (*columnOp)(const int16_t* const*, int32_t)>
void secondPass5(const int16_t* const* rows, int16_t* dst, int32_t count)
{
    storeDestinationRow<L, P>(dst, count, [rows](int32_t x) { return columnOp(rows, x); });
}

// --- 3x3: a vertical pass over three source rows into one row, then a horizontal pass. ---

template <class L> inline Lane<L> verticalSmooth3(const uint8_t* p, int32_t step)
{
    const Lane<L> middle = L::widenBytes(p + step);
    return L::add(L::add(L::widenBytes(p), L::widenBytes(p + 2 * step)), L::add(middle, middle));
}

template <class L> inline Lane<L> verticalDerivative3(const uint8_t* p, int32_t step)
{
    return L::sub(L::widenBytes(p + 2 * step), L::widenBytes(p));
}

inline int32_t verticalSmooth3Value(const uint8_t* p, int32_t step)
{
    return p[0] + 2 * p[step] + p[2 * step];
}

inline int32_t verticalDerivative3Value(const uint8_t* p, int32_t step)
{
    return p[2 * step] - p[0];
}

// Writes exactly count values; the last ones singly.
template <class L, class P, Lane<L> (*columnOp)(const uint8_t*, int32_t),
          int32_t (*valueOp)(const uint8_t*, int32_t)>
void firstPass3(const uint8_t* p, int16_t* out, int32_t count, int32_t step)
{
    int32_t k = 0;
    for (; k + L::lanes <= count; k += L::lanes) {
        P::prefetch(p + 2 * std::ptrdiff_t(step) + k);
        L::storeAligned(out + k, columnOp(p + k, step));
    }
    for (; k < count; ++k)
        out[k] = static_cast<int16_t>(valueOp(p + k, step));
}

template <class L> inline Lane<L> horizontalDerivative3(const int16_t* t, int32_t x)
{
    return L::subSat(L::load(t + x), L::load(t + x + 2));
}

template <class L> inline Lane<L> horizontalSmooth3(const int16_t* t, int32_t x)
{
    const Lane<L> middle = L::load(t + x + 1);
    return L::add(L::add(L::load(t + x), L::load(t + x + 2)), L::add(middle, middle));
}

template <class L, class P, Lane<L> (*rowOp)(const int16_t*, int32_t)>
void secondPass3(const int16_t* t, int16_t* dst, int32_t count)
{
    storeDestinationRow<L, P>(dst, count, [t](int32_t x) { return rowOp(t, x); });
}

template <class L, class P> constexpr SobelKernelTable5 makeTable5()
{
    SobelKernelTable5 table{};
    table.first[SobelVertical] = firstPass5<L, P, rowDerivative5<L>>;
    table.first[SobelHorizontal] = firstPass5<L, P, rowSmooth5<L>>;
    table.second[SobelVertical] = secondPass5<L, P, columnSmooth5<L>>;
    table.second[SobelHorizontal] = secondPass5<L, P, columnDerivative5<L>>;
    return table;
}

template <class L, class P> constexpr SobelKernelTable3 makeTable3()
{
    SobelKernelTable3 table{};
    table.first[SobelVertical] = firstPass3<L, P, verticalSmooth3<L>, verticalSmooth3Value>;
    table.first[SobelHorizontal] = firstPass3<L, P, verticalDerivative3<L>, verticalDerivative3Value>;
    table.second[SobelVertical] = secondPass3<L, P, horizontalDerivative3<L>>;
    table.second[SobelHorizontal] = secondPass3<L, P, horizontalSmooth3<L>>;
    return table;
}

inline int64_t roundUp(int64_t value, int64_t multiple)
{
    return (value + multiple - 1) / multiple * multiple;
}

template <class P> inline int16_t* allocateEntries(int64_t entries)
{
    const int64_t bytes = 2 * entries;
    return bytes > INT32_MAX ? nullptr : static_cast<int16_t*>(P::allocate(static_cast<int32_t>(bytes)));
}

// Each source row passes the first kernel once; the ring of five rows rotates by one per output row.
template <class L, class P>
ImagingStatus filterSobel5x5(const SobelKernelTable5& table, const uint8_t* pSrc, int32_t srcStep,
                             int16_t* pDst, int32_t dstStep, int32_t width, int32_t height, int32_t kind,
                             int32_t elementType)
{
    const FirstPass5 first = table.first[elementType * 5 + kind];
    const SecondPass5 second = table.second[elementType * 5 + kind];
    const int64_t rowEntries = roundUp(width, P::rowMultiple);
    int16_t* block = allocateEntries<P>(5 * rowEntries);
    if (block == nullptr)
        return StatusNoMemory;
    int16_t* rows[5];
    for (int k = 0; k < 5; ++k)
        rows[k] = block + k * rowEntries;
    for (int k = 0; k < 4; ++k)
        first(rowAt(pSrc, k - 2, srcStep) - 2, rows[k], width);
    for (int32_t y = 0; y < height; ++y) {
        first(rowAt(pSrc, y + 2, srcStep) - 2, rows[4], width);
        second(rows, rowAt(pDst, y, dstStep), width);
        int16_t* const oldest = rows[0];
        for (int k = 0; k < 4; ++k)
            rows[k] = rows[k + 1];
        rows[4] = oldest;
    }
    P::release(block);
    P::finishStreamingStores();
    return StatusOk;
}

// Every source row is read by three consecutive output rows; one buffer row, no ring.
template <class L, class P>
ImagingStatus filterSobel3x3(const SobelKernelTable3& table, const uint8_t* pSrc, int32_t srcStep,
                             int16_t* pDst, int32_t dstStep, int32_t width, int32_t height, int32_t kind,
                             int32_t elementType)
{
    const FirstPass3 first = table.first[elementType * 5 + kind];
    const SecondPass3 second = table.second[elementType * 5 + kind];
    int16_t* buffer = allocateEntries<P>(roundUp(width, P::rowMultiple) + P::rowMultiple);
    if (buffer == nullptr)
        return StatusNoMemory;
    for (int32_t y = 0; y < height; ++y) {
        first(rowAt(pSrc, y - 1, srcStep) - 1, buffer, width + 2, srcStep);
        second(buffer, rowAt(pDst, y, dstStep), width);
    }
    P::release(buffer);
    P::finishStreamingStores();
    return StatusOk;
}

template <class L, class P>
ImagingStatus filterSobelVector(const SobelKernelTable5& table5, const SobelKernelTable3& table3,
                                const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                RoiSize roi, int32_t mask, SobelKind kind)
{
    const ImagingStatus status = checkSobelArguments(pSrc, srcStep, pDst, dstStep, roi, mask);
    if (status != StatusOk)
        return status;
    constexpr int32_t elementType8u16s = 0;
    if (mask == MaskSize3x3)
        return filterSobel3x3<L, P>(table3, pSrc, srcStep, pDst, dstStep, roi.width, roi.height, kind,
                                    elementType8u16s);
    return filterSobel5x5<L, P>(table5, pSrc, srcStep, pDst, dstStep, roi.width, roi.height, kind,
                                elementType8u16s);
}

} // namespace

// The two exported filters of one build.
#define ZEFRIM_DEFINE_SOBEL_ENTRIES(build, L, P, table5, table3)                                             \
    extern "C" ImagingStatus zfmiFilterSobelVert_8u16s_C1R_##build(const uint8_t* pSrc, int32_t srcStep,     \
                                                                   int16_t* pDst, int32_t dstStep,           \
                                                                   RoiSize roiSize, int32_t maskSize)        \
    {                                                                                                        \
        return filterSobelVector<L, P>(table5, table3, pSrc, srcStep, pDst, dstStep, roiSize, maskSize,      \
                                       SobelVertical);                                                       \
    }                                                                                                        \
    extern "C" ImagingStatus zfmiFilterSobelHoriz_8u16s_C1R_##build(const uint8_t* pSrc, int32_t srcStep,    \
                                                                    int16_t* pDst, int32_t dstStep,          \
                                                                    RoiSize roiSize, int32_t maskSize)       \
    {                                                                                                        \
        return filterSobelVector<L, P>(table5, table3, pSrc, srcStep, pDst, dstStep, roiSize, maskSize,      \
                                       SobelHorizontal);                                                     \
    }
