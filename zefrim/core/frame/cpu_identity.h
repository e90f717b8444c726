// Processor identification shared by the build choice and the cache-size query of the
// streaming memory kernels.
#pragma once

#include "build_token.h"

#include <cpuid.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

inline namespace ZEFRIM_BUILD_NAMESPACE {

// The reference vendor: the maker whose family numbers the processor classes and whose leaf-2
// cache descriptors the cache-size table describe.
inline constexpr std::string_view kReferenceVendorId = "GenuineIntel";

struct CpuidRegisters {
    uint32_t eax = 0;
    uint32_t ebx = 0;
    uint32_t ecx = 0;
    uint32_t edx = 0;
};

inline CpuidRegisters readCpuid(uint32_t leaf, uint32_t subLeaf = 0)
{
    CpuidRegisters r;
    __cpuid_count(leaf, subLeaf, r.eax, r.ebx, r.ecx, r.edx);
    return r;
}

// The 12-character vendor string of leaf 0: EBX, then EDX, then ECX.
inline std::array<char, 12> readVendorId()
{
    const CpuidRegisters r = readCpuid(0);
    std::array<char, 12> id{};
    std::memcpy(id.data(), &r.ebx, 4);
    std::memcpy(id.data() + 4, &r.edx, 4);
    std::memcpy(id.data() + 8, &r.ecx, 4);
    return id;
}

inline bool isReferenceVendor(const std::array<char, 12>& vendorId)
{
    return std::string_view(vendorId.data(), vendorId.size()) == kReferenceVendorId;
}

} // namespace ZEFRIM_BUILD_NAMESPACE
