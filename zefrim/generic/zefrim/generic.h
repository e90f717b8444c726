/* The generic build of every zefrim function, name_gn, for programs that link the static library
 * zefrim_gn instead of loading libzefrim (drasvel's JPEG decoder). Same parameters and results
 * as the exports of zefrim.h. */
#ifndef ZEFRIM_GENERIC_H
#define ZEFRIM_GENERIC_H

#include "zefrim/zefrim.h"

#ifdef __cplusplus
extern "C" {
#endif

#define ZEFRIM_EXPORT(ret, name, params, args) ret name##_gn params;
#include "zefrim/exports_signal.def"
#include "zefrim/exports_image.def"
#include "zefrim/exports_jpeg_huffman.def"
#include "zefrim/exports_jpeg_transform.def"
#undef ZEFRIM_EXPORT

#ifdef __cplusplus
}
#endif

#endif
