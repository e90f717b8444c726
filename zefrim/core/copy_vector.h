// Row routines of the vector builds of the copies and channel reordering. They differ from the
// generic ones only in the memory units they move and whether they stream; the bytes written are
// always those of the generic build.
#pragma once

#include <cstring>
#include <utility>

#include "copy_rows.h"

namespace {

inline uint32_t gatherEveryNth(const uint8_t* src, int stride)
{
    const uint8_t bytes[4] = {src[0], src[stride], src[2 * stride], src[3 * stride]};
    uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// s2, s3: rows of 64 bytes and more get an unaligned head up to the next 16-byte destination
// boundary, then 64 bytes per step (streamed when asked), then the rest in smaller units.
// s1 (8-byte vectors): the same from an 8-byte boundary, for rows of 8 bytes and more.
template <class L> inline void copyRowBytes(const uint8_t* src, uint8_t* dst, int32_t count, bool streaming)
{
    constexpr int32_t width = sizeof(typename L::V);
    constexpr int32_t minRow = width == 16 ? 64 : 8;
    constexpr int32_t step = width == 16 ? 64 : 8;
    int32_t i = 0;
    if (count >= minRow) {
        if (!isAligned(dst, width)) {
            L::store(dst, L::load(src));
            i = width - static_cast<int32_t>(reinterpret_cast<uintptr_t>(dst) & (width - 1));
        }
        for (; i + step <= count; i += step)
            for (int32_t k = 0; k < step; k += width) {
                const typename L::V v = L::load(src + i + k);
                if (streaming)
                    L::stream(dst + i + k, v);
                else
                    L::storeAligned(dst + i + k, v);
            }
    }
    std::memcpy(dst + i, src + i, static_cast<size_t>(count - i));
}

// A destination 16 to 320 bytes above its source (modulo 64 KiB) is copied with ordinary stores.
inline bool destinationJustAboveSource(const uint8_t* src, const uint8_t* dst)
{
    const uintptr_t distance = (reinterpret_cast<uintptr_t>(src) - reinterpret_cast<uintptr_t>(dst)) & 0xFFFF;
    return distance >= 65216 && distance <= 65520;
}

// s2, s3 join of three planes: single pixels up to a 4-byte destination boundary, then 4 pixels as
// three 4-byte words.
template <class StoreWord>
inline void interleaveThreePlanesByWords(const uint8_t* const* planes, uint8_t* dst, int32_t count,
                                         StoreWord storeWord)
{
    int32_t j = 0;
    for (; j < count && !isAligned(dst + 3 * j, 4); ++j)
        interleavePlanes<3>(planes, dst, j, 1);
    for (; j + 4 <= count; j += 4) {
        uint8_t block[12];
        for (int p = 0; p < 4; ++p)
            for (int c = 0; c < 3; ++c)
                block[3 * p + c] = planes[c][j + p];
        for (int w = 0; w < 3; ++w) {
            uint32_t word;
            std::memcpy(&word, block + 4 * w, sizeof word);
            storeWord(dst + 3 * j + 4 * w, word);
        }
    }
    interleavePlanes<3>(planes, dst, j, count - j);
}

// Split into planes in one pass, 8 pixels per step, each plane written in `unit`-byte stores.
template <int channels>
inline void splitPixelsOnePass(const uint8_t* src, uint8_t* const* planes, int32_t count, int unit)
{
    int32_t j = 0;
    for (; j + 8 <= count; j += 8)
        for (int c = 0; c < channels; ++c)
            for (int chunk = 0; chunk < 8; chunk += unit) {
                uint8_t bytes[8];
                for (int k = 0; k < unit; ++k)
                    bytes[k] = src[channels * (j + chunk + k) + c];
                std::memcpy(planes[c] + j + chunk, bytes, static_cast<size_t>(unit));
            }
    for (; j < count; ++j)
        for (int c = 0; c < channels; ++c)
            planes[c][j] = src[channels * j + c];
}

// One pass per channel: bytes up to a 4-byte plane boundary, then 8 bytes per step as two 4-byte
// words gathered from every third (fourth) source byte, then the rest.
template <int channels>
inline void splitPixelsPerChannel(const uint8_t* src, uint8_t* const* planes, int32_t count)
{
    for (int c = 0; c < channels; ++c) {
        uint8_t* plane = planes[c];
        const uint8_t* s = src + c;
        int32_t j = 0;
        for (; j < count && !isAligned(plane + j, 4); ++j)
            plane[j] = s[channels * j];
        for (; j + 8 <= count; j += 8) {
            const uint32_t first = gatherEveryNth(s + channels * j, channels);
            const uint32_t second = gatherEveryNth(s + channels * (j + 4), channels);
            std::memcpy(plane + j, &first, sizeof first);
            std::memcpy(plane + j + 4, &second, sizeof second);
        }
        for (; j < count; ++j)
            plane[j] = s[channels * j];
    }
}

// The row routine follows the alignment of the source and of all planes together.
template <int channels>
inline void splitPixelsByAlignment(const uint8_t* src, uint8_t* const* planes, int32_t count)
{
    uintptr_t planeBits = 0;
    for (int c = 0; c < channels; ++c)
        planeBits |= reinterpret_cast<uintptr_t>(planes[c]);
    const uintptr_t alignmentClass = (reinterpret_cast<uintptr_t>(src) % 8) * 16 + planeBits % 8;
    switch (alignmentClass) {
    case 0:
    case 64:
        splitPixelsOnePass<channels>(src, planes, count, 8);
        return;
    case 4:
        splitPixelsOnePass<channels>(src, planes, count, 4);
        return;
    case 68:
        if (channels == 4) {
            splitPixelsOnePass<channels>(src, planes, count, 4);
            return;
        }
        break;
    default:
        break;
    }
    splitPixelsPerChannel<channels>(src, planes, count);
}

template <int channels>
inline ImagingStatus splitIntoPlanesVector(const uint8_t* pSrc, int32_t srcStep, uint8_t* const* pDst,
                                           int32_t dstStep, RoiSize roi)
{
    const ImagingStatus status = checkPlanes(pSrc, pDst, channels, roi);
    if (status != StatusOk)
        return status;
    bool allOnFourBytes = isAligned(pSrc, 4);
    for (int c = 0; c < channels; ++c)
        allOnFourBytes = allOnFourBytes && isAligned(pDst[c], 4);
    if (srcStep == channels * dstStep && dstStep == roi.width &&
        (int64_t(srcStep) * roi.height < 160000 || allOnFourBytes))
        mergeIfFits(roi);
    uint8_t* planes[channels];
    forEachRow(roi, [&](int32_t y) {
        for (int c = 0; c < channels; ++c)
            planes[c] = rowAt(pDst[c], y, dstStep);
        splitPixelsByAlignment<channels>(rowAt(pSrc, y, srcStep), planes, roi.width);
    });
    return StatusOk;
}

// Four bytes, the first at the lowest address.
inline uint32_t bytesToWord(uint32_t b0, uint32_t b1, uint32_t b2, uint32_t b3)
{
    const uint8_t bytes[4] = {uint8_t(b0), uint8_t(b1), uint8_t(b2), uint8_t(b3)};
    uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Single pixels up to a 4-byte destination boundary, then 4 pixels as three 4-byte words.
inline void swapPixelsByWords(const uint8_t* src, uint8_t* dst, const int32_t* order, int32_t count)
{
    const int32_t o0 = order[0], o1 = order[1], o2 = order[2];
    int32_t j = 0;
    for (; j < count && !isAligned(dst + 3 * j, 4); ++j)
        swapPixels(src, dst, order, j, 1);
    for (; j + 4 <= count; j += 4) {
        const uint8_t* s = src + 3 * j;
        const uint32_t words[3] = {bytesToWord(s[o0], s[o1], s[o2], s[3 + o0]),
                                   bytesToWord(s[3 + o1], s[3 + o2], s[6 + o0], s[6 + o1]),
                                   bytesToWord(s[6 + o2], s[9 + o0], s[9 + o1], s[9 + o2])};
        std::memcpy(dst + 3 * j, words, sizeof words);
    }
    swapPixels(src, dst, order, j, count - j);
}

// Exchanges bytes 0 and 2 of every pixel in place, 12 bytes per step once the row is aligned.
inline void reverseChannelsInPlace(uint8_t* row, int32_t count)
{
    static constexpr int32_t kReverse[3] = {2, 1, 0};
    int32_t j = 0;
    for (; j < count && !isAligned(row + 3 * j, 4); ++j)
        swapPixels(row, row, kReverse, j, 1);
    for (; j + 4 <= count; j += 4) {
        uint8_t block[12];
        std::memcpy(block, row + 3 * j, sizeof block);
        for (int p = 0; p < 4; ++p)
            std::swap(block[3 * p], block[3 * p + 2]);
        std::memcpy(row + 3 * j, block, sizeof block);
    }
    swapPixels(row, row, kReverse, j, count - j);
}

inline ImagingStatus swapChannelsVector(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                        RoiSize roi, const int32_t* dstOrder)
{
    const ImagingStatus status = checkSwap(pSrc, srcStep, pDst, dstStep, roi, dstOrder);
    if (status != StatusOk)
        return status;
    if (srcStep == 3 * roi.width && dstStep == srcStep)
        mergeIfFits(roi);
    forEachRow(roi, [&](int32_t y) {
        swapPixelsByWords(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), dstOrder, roi.width);
    });
    return StatusOk;
}

inline ImagingStatus swapChannelsInPlaceVector(uint8_t* pSrcDst, int32_t srcDstStep, RoiSize roi,
                                               const int32_t* dstOrder)
{
    const ImagingStatus status = checkSwap(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roi, dstOrder);
    if (status != StatusOk)
        return status;
    if (srcDstStep == 3 * roi.width)
        mergeIfFits(roi);
    const bool reverse = dstOrder[0] == 2 && dstOrder[1] == 1 && dstOrder[2] == 0;
    forEachRow(roi, [&](int32_t y) {
        uint8_t* row = rowAt(pSrcDst, y, srcDstStep);
        if (reverse)
            reverseChannelsInPlace(row, roi.width);
        else
            swapPixels(row, row, dstOrder, 0, roi.width);
    });
    return StatusOk;
}

inline ImagingStatus copyChannelIntoPixelsImage(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst,
                                                int32_t dstStep, RoiSize roi)
{
    const ImagingStatus status = checkPair(pSrc, pDst, roi);
    if (status != StatusOk)
        return status;
    forEachRow(roi, [&](int32_t y) {
        copyChannelIntoPixels(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), roi.width);
    });
    return StatusOk;
}

} // namespace
