// Test images for the image functions: a region inside a block whose every byte outside the
// region is remembered, so a test can tell that nothing but the region was written; and a source
// allocated exactly to its last readable byte, so the address sanitizer reports any read beyond.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "all_builds.h"
#include "builds.h"

namespace imagetest {

using zefrimtest::kBuildNames;

inline uint8_t patternByte(size_t i, uint32_t seed)
{
    uint32_t x = static_cast<uint32_t>(i) * 2654435761u + seed * 40503u;
    x ^= x >> 13;
    x *= 0x5bd1e995u;
    return static_cast<uint8_t>(x >> 24);
}

// rowBytes bytes in each of `height` rows `step` bytes apart (step >= rowBytes), the first at
// `offset` bytes past a 64-byte boundary, with `margin` bytes of block on every side.
class GuardedImage {
public:
    static constexpr size_t kMargin = 96;

    GuardedImage(int32_t rowBytes, int32_t height, int32_t step, int32_t offset, uint32_t seed = 1)
        : rowBytes_(rowBytes), height_(height), step_(step)
    {
        const size_t span =
            static_cast<size_t>(step) * static_cast<size_t>(height - 1) + static_cast<size_t>(rowBytes);
        bytes_.resize(2 * kMargin + 64 + span);
        const uintptr_t base = reinterpret_cast<uintptr_t>(bytes_.data()) + kMargin;
        start_ = kMargin + (64 - (base & 63)) % 64 + static_cast<size_t>(offset);
        // The pattern counts from the region's first byte, so the bytes do not depend on where
        // the block lands (the wrap below the region is deterministic too).
        for (size_t i = 0; i < bytes_.size(); ++i)
            bytes_[i] = patternByte(i - start_, seed);
        original_ = bytes_;
    }

    uint8_t* data() { return bytes_.data() + start_; }
    template <class T> T* as() { return reinterpret_cast<T*>(data()); }
    int32_t step() const { return step_; }
    uint8_t* row(int32_t y) { return data() + static_cast<size_t>(y) * static_cast<size_t>(step_); }

    // Region bytes, row after row.
    std::vector<uint8_t> regionBytes()
    {
        std::vector<uint8_t> out;
        for (int32_t y = 0; y < height_; ++y)
            out.insert(out.end(), row(y), row(y) + rowBytes_);
        return out;
    }

    void setRegionBytes(const std::vector<uint8_t>& bytes)
    {
        for (int32_t y = 0; y < height_; ++y)
            std::memcpy(row(y), bytes.data() + static_cast<size_t>(y) * rowBytes_,
                        static_cast<size_t>(rowBytes_));
        original_ = bytes_;
    }

    bool outsideUnchanged() const
    {
        for (size_t i = 0; i < bytes_.size(); ++i)
            if (!inRegion(i) && bytes_[i] != original_[i])
                return false;
        return true;
    }
    bool allUnchanged() const { return bytes_ == original_; }

    // Also reads 16-bit values at odd addresses.
    int16_t value16(int32_t y, int32_t x)
    {
        int16_t v;
        std::memcpy(&v, row(y) + 2 * x, sizeof v);
        return v;
    }
    void setValue16(int32_t y, int32_t x, int16_t v)
    {
        std::memcpy(row(y) + 2 * x, &v, sizeof v);
        original_ = bytes_;
    }

private:
    bool inRegion(size_t i) const
    {
        if (i < start_)
            return false;
        const size_t rel = i - start_;
        const size_t y = rel / static_cast<size_t>(step_);
        return y < static_cast<size_t>(height_) &&
               rel % static_cast<size_t>(step_) < static_cast<size_t>(rowBytes_);
    }

    int32_t rowBytes_, height_, step_;
    size_t start_ = 0;
    std::vector<uint8_t> bytes_, original_;
};

// A read-only source of `height` rows of rowBytes bytes, `step` bytes apart, allocated so that the
// byte after the last row's last byte lies outside the heap block; `frame` extra rows and columns
// of readable pixels surround the region (for filters that read around it).
class ExactSource {
public:
    ExactSource(int32_t rowBytes, int32_t height, int32_t step, int32_t frame, uint32_t seed)
        : step_(step), frame_(frame)
    {
        const int32_t rows = height + 2 * frame;
        const size_t size = static_cast<size_t>(step) * static_cast<size_t>(rows - 1) +
                            static_cast<size_t>(rowBytes + 2 * frame);
        block_ = std::make_unique<uint8_t[]>(size);
        for (size_t i = 0; i < size; ++i)
            block_[i] = patternByte(i, seed);
    }
    // The first pixel of the region.
    uint8_t* data()
    {
        return block_.get() + static_cast<size_t>(frame_) * static_cast<size_t>(step_) + frame_;
    }
    uint8_t at(int32_t x, int32_t y) { return data()[static_cast<std::ptrdiff_t>(y) * step_ + x]; }
    void set(int32_t x, int32_t y, uint8_t v) { data()[static_cast<std::ptrdiff_t>(y) * step_ + x] = v; }
    int32_t step() const { return step_; }

private:
    std::unique_ptr<uint8_t[]> block_;
    int32_t step_, frame_;
};

inline std::vector<uint8_t> randomBytes(size_t n, uint32_t seed)
{
    std::mt19937 gen(seed);
    std::vector<uint8_t> out(n);
    for (auto& b : out)
        b = static_cast<uint8_t>(gen());
    return out;
}

} // namespace imagetest
