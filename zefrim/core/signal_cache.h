// The cache-size query of the s2 and s3 memory kernels: the size of the reference vendor's
// cache from the leaf-2 descriptor bytes, asked anew on every call that needs it.
#pragma once

#include "frame/cpu_identity.h"

#include <cstdint>

namespace {

struct CacheDescriptorRow {
    uint8_t descriptor;
    uint8_t sizeCode; // (code >> 4) << ((code & 15) + 18) bytes
};

// First match wins, so the larger caches come first; a zero descriptor ends the table.
constexpr CacheDescriptorRow cacheDescriptorSizes[] = {
    {0x47, 0x15}, {0x49, 0x14}, {0x29, 0x14}, {0x46, 0x14}, {0x25, 0x13}, {0x7D, 0x13}, {0x85, 0x13},
    {0x45, 0x13}, {0x23, 0x12}, {0x87, 0x12}, {0x7C, 0x12}, {0x78, 0x12}, {0x84, 0x12}, {0x44, 0x12},
    {0x22, 0x11}, {0x7B, 0x11}, {0x86, 0x11}, {0x7F, 0x11}, {0x83, 0x11}, {0x43, 0x11}, {0x7A, 0x10},
    {0x82, 0x10}, {0x3C, 0x10}, {0x42, 0x10}, {0x00, 0x00},
};

inline uint32_t cacheBytesOfSizeCode(uint8_t code)
{
    return static_cast<uint32_t>(code >> 4) << ((code & 15) + 18);
}

inline bool leaf2HoldsDescriptor(const CpuidRegisters& leaf2, uint8_t descriptor)
{
    const uint32_t registers[4] = {leaf2.eax, leaf2.ebx, leaf2.ecx, leaf2.edx};
    for (int r = 0; r < 4; ++r) {
        if (registers[r] & 0x80000000u)
            continue;
        // The low byte of EAX is the iteration count, not a descriptor.
        for (int byte = (r == 0 ? 1 : 0); byte < 4; ++byte) {
            if (((registers[r] >> (8 * byte)) & 0xFF) == descriptor)
                return true;
        }
    }
    return false;
}

// The cache size that leaf 2 describes, or 0 when it describes none the table knows.
inline uint32_t cacheSizeFromLeaf2(const CpuidRegisters& leaf2)
{
    if ((leaf2.eax & 0xFF) != 1)
        return 0;
    for (const CacheDescriptorRow* row = cacheDescriptorSizes; row->descriptor != 0; ++row) {
        if (leaf2HoldsDescriptor(leaf2, row->descriptor))
            return cacheBytesOfSizeCode(row->sizeCode);
    }
    return 0;
}

// What the query reads of the processor identification.
struct CacheIdentity {
    bool referenceVendor;
    uint32_t highestLeaf;
    CpuidRegisters leaf2;
    uint32_t leaf4Eax;
};

// Bytes of cache (per core when asked), or 0 when not known: only the reference vendor's
// descriptors are understood.
inline uint32_t cacheSizeOf(const CacheIdentity& id, bool perCore)
{
    if (!id.referenceVendor || id.highestLeaf < 2)
        return 0;
    uint32_t size = cacheSizeFromLeaf2(id.leaf2);
    if (perCore && id.highestLeaf >= 4)
        size /= (id.leaf4Eax >> 26) + 1;
    return size;
}

inline uint32_t queryCacheSize(bool perCore)
{
    CacheIdentity id{isReferenceVendor(readVendorId()), readCpuid(0).eax, {}, 0};
    if (id.referenceVendor && id.highestLeaf >= 2)
        id.leaf2 = readCpuid(2);
    if (id.referenceVendor && id.highestLeaf >= 4)
        id.leaf4Eax = readCpuid(4, 0).eax;
    return cacheSizeOf(id, perCore);
}

} // namespace
