// The four builds of every export: name_gn, name_s1, name_s2, name_s3. The dispatch table
// holds their addresses; code inside one build calls its own build's functions directly.
#pragma once

#include "build_token.h"
#include "zefrim/zefrim.h"

extern "C" {
#define ZEFRIM_EXPORT(ret, name, params, args)                                                               \
    ret name##_gn params;                                                                                    \
    ret name##_s1 params;                                                                                    \
    ret name##_s2 params;                                                                                    \
    ret name##_s3 params;
#include "zefrim/exports_signal.def"
#include "zefrim/exports_image.def"
#include "zefrim/exports_jpeg_huffman.def"
#include "zefrim/exports_jpeg_transform.def"
#undef ZEFRIM_EXPORT
}
