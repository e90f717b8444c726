// The jump slots, the export stubs that jump through them, the table of every export with its
// four builds, and the load-time entry that fills the slots once before any export can run.
#include "builds.h"
#include "frame/frame.h"

// One slot per export; zero until the library is loaded, written once, read by its stub.
extern "C" {
#define ZEFRIM_EXPORT(ret, name, params, args)                                                               \
    __attribute__((visibility("hidden"))) CodeAddress zefrimSlot_##name = nullptr;
#include "zefrim/exports_signal.def"
#include "zefrim/exports_image.def"
#include "zefrim/exports_jpeg_huffman.def"
#include "zefrim/exports_jpeg_transform.def"
#undef ZEFRIM_EXPORT
}

// Each export is a bare indirect jump: the caller's arguments and return address reach the
// installed build unchanged and the build returns straight to the caller.
#define ZEFRIM_EXPORT(ret, name, params, args)                                                               \
    asm(".pushsection .text\n"                                                                               \
        ".globl " #name "\n"                                                                                 \
        ".type " #name ", @function\n"                                                                       \
        ".p2align 4\n" #name ":\n"                                                                           \
        "\tjmp *zefrimSlot_" #name "(%rip)\n"                                                                \
        ".size " #name ", .-" #name "\n"                                                                     \
        ".popsection\n");
#include "zefrim/exports_signal.def"
#include "zefrim/exports_image.def"
#include "zefrim/exports_jpeg_huffman.def"
#include "zefrim/exports_jpeg_transform.def"
#undef ZEFRIM_EXPORT

namespace {

template <typename Function> CodeAddress codeAddress(Function* function)
{
    return reinterpret_cast<CodeAddress>(function);
}

} // namespace

const DispatchTable& shippedDispatchTable()
{
    // Built on first use, so it is complete before the load-time entry reads it.
    static const DispatchRecord records[] = {
#define ZEFRIM_EXPORT(ret, name, params, args)                                                               \
    {&zefrimSlot_##name,                                                                                     \
     {codeAddress(&name##_gn), codeAddress(&name##_s1), codeAddress(&name##_s2), codeAddress(&name##_s3)}},
#include "zefrim/exports_signal.def"
#include "zefrim/exports_image.def"
#include "zefrim/exports_jpeg_huffman.def"
#include "zefrim/exports_jpeg_transform.def"
#undef ZEFRIM_EXPORT
    };
    static const DispatchTable table{static_cast<int32_t>(sizeof(records) / sizeof(records[0])), records};
    return table;
}

namespace {

__attribute__((constructor)) void installBuildAtLoad()
{
    installBuildOrExit(shippedDispatchTable(), selectCpuBuildLevel(detectCpuType()));
}

} // namespace
