// Processor detection and classification.
#include "frame/cpu_identity.h"
#include "frame/frame.h"

namespace {

constexpr uint32_t kIdFlag = 1u << 21;

int32_t bit(uint32_t word, int index)
{
    return static_cast<int32_t>((word >> index) & 1u);
}

int32_t readLongMode()
{
    const CpuidRegisters highest = readCpuid(0x80000000u);
    if (highest.eax < 0x80000001u)
        return 0;
    return bit(readCpuid(0x80000001u).edx, 29);
}

int32_t readCoreCount(uint32_t highestLeaf)
{
    if (highestLeaf < 4)
        return 1;
    return static_cast<int32_t>(readCpuid(4, 0).eax >> 26) + 1;
}

// Classes of the reference vendor's families; 0 hands the processor to the generic rule.
CpuTypeCode classifyReferenceFamily(const CpuFeatureRecord& cpu)
{
    switch (cpu.family) {
    case 7:
        return 16;
    case 15:
        if (!cpu.sse2)
            return 17;
        if (!cpu.sse3)
            return cpu.multiThreaded ? 7 : 6;
        if (!cpu.longMode)
            return 8;
        return cpu.ssse3 ? 33 : 32;
    case 5:
        return cpu.mmx ? 2 : 1;
    case 6:
        if (cpu.sse2)
            return cpu.sse3 ? 10 : 9;
        if (cpu.sse)
            return 5;
        return cpu.mmx ? 4 : 3;
    default:
        return 0;
    }
}

CpuTypeCode classifyByHighestLevel(const CpuFeatureRecord& cpu)
{
    if (cpu.ssse3)
        return 33;
    if (cpu.sse3)
        return 66;
    if (cpu.sse2)
        return 65;
    if (cpu.sse)
        return 64;
    return 0;
}

} // namespace

bool hasCpuidInstruction()
{
    const unsigned long long original = __builtin_ia32_readeflags_u64();
    __builtin_ia32_writeeflags_u64(original ^ kIdFlag);
    const unsigned long long toggled = __builtin_ia32_readeflags_u64();
    __builtin_ia32_writeeflags_u64(original);
    return ((original ^ toggled) & kIdFlag) != 0;
}

CpuFeatureRecord readCpuFeatures()
{
    CpuFeatureRecord cpu;
    const uint32_t highestLeaf = readCpuid(0).eax;
    const CpuidRegisters leaf1 = readCpuid(1);
    cpu.family = static_cast<int32_t>((leaf1.eax >> 8) & 0xF);
    cpu.stepping = static_cast<int32_t>(leaf1.eax & 0xF);
    cpu.model = static_cast<int32_t>((leaf1.eax >> 4) & 0xF);
    cpu.features = static_cast<int32_t>(leaf1.edx);
    if (highestLeaf >= 2) {
        const CpuidRegisters leaf2 = readCpuid(2);
        cpu.cacheDescriptors[0] = static_cast<int32_t>(leaf2.eax);
        cpu.cacheDescriptors[1] = static_cast<int32_t>(leaf2.edx);
    }
    cpu.mmx = bit(leaf1.edx, 23);
    cpu.sse = bit(leaf1.edx, 25);
    cpu.sse2 = bit(leaf1.edx, 26);
    const uint32_t logicalProcessors = (leaf1.ebx >> 16) & 0xFF;
    cpu.multiThreaded = (bit(leaf1.edx, 28) && logicalProcessors > 1) ? 1 : 0;
    cpu.sse3 = bit(leaf1.ecx, 0);
    cpu.longMode = readLongMode();
    cpu.ssse3 = bit(leaf1.ecx, 9);
    cpu.cores = readCoreCount(highestLeaf);
    return cpu;
}

bool isLibraryMakerCpu()
{
    return isReferenceVendor(readVendorId());
}

CpuTypeCode classifyCpu(const CpuFeatureRecord& cpu, bool referenceVendor)
{
    if (referenceVendor) {
        const CpuTypeCode type = classifyReferenceFamily(cpu);
        if (type != 0)
            return type;
    }
    return classifyByHighestLevel(cpu);
}

CpuTypeCode detectCpuType()
{
    if (!hasCpuidInstruction())
        return 0;
    return classifyCpu(readCpuFeatures(), isLibraryMakerCpu());
}

CpuBuildLevel selectCpuBuildLevel(CpuTypeCode type)
{
    // Levels of the classes 1 to 32; every other class runs the generic build.
    static constexpr CpuBuildLevel kLevelOfType[32] = {
        0, 0, 0, 0, 1, 2, 2, 3, 2, 0, 0, 0, 0, 0, 0, 1, // 1..16
        1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, // 17..32
    };
    if (type < 1 || type > 32)
        return 0;
    return kLevelOfType[type - 1];
}
