// Buffers for the memory tests: a source whose heap block ends exactly where the run ends (so the
// address sanitizer sees any read past it), and a destination with guard bytes on both sides.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

// A run of len bytes starting offset bytes past a 16-byte aligned heap block.
class ExactSource {
public:
    ExactSource(int32_t offset, int32_t len, uint8_t seed)
        : block_(new uint8_t[static_cast<size_t>(offset) + static_cast<size_t>(len)]), offset_(offset)
    {
        for (int32_t i = 0; i < len; ++i)
            data()[i] = static_cast<uint8_t>(seed + i * 7 + (i >> 8));
    }
    uint8_t* data() { return block_.get() + offset_; }

private:
    std::unique_ptr<uint8_t[]> block_;
    int32_t offset_;
};

class GuardedDestination {
public:
    static constexpr int32_t kGuard = 64;
    static constexpr uint8_t kGuardByte = 0xA5;

    GuardedDestination(int32_t offset, int32_t len, uint8_t fill = 0x5A)
        : bytes_(static_cast<size_t>(kGuard) * 2 + 64 + static_cast<size_t>(len), kGuardByte), len_(len)
    {
        // Start from a 64-byte boundary inside the vector so offset sets the alignment.
        const uintptr_t raw = reinterpret_cast<uintptr_t>(bytes_.data()) + kGuard;
        start_ = (64 - (raw & 63)) % 64 + kGuard + static_cast<size_t>(offset);
        std::memset(data(), fill, static_cast<size_t>(len));
    }
    uint8_t* data() { return bytes_.data() + start_; }

    bool guardsIntact() const
    {
        for (size_t i = 0; i < start_; ++i) {
            if (bytes_[i] != kGuardByte)
                return false;
        }
        for (size_t i = start_ + static_cast<size_t>(len_); i < bytes_.size(); ++i) {
            if (bytes_[i] != kGuardByte)
                return false;
        }
        return true;
    }

private:
    std::vector<uint8_t> bytes_;
    size_t start_;
    int32_t len_;
};
