/* zefrim: imaging primitives (copy and conversion, colour spaces, 16-bit arithmetic, threshold
 * and Sobel filters, JPEG building blocks). Every function exists in four processor builds; one
 * build is chosen for the whole library when it is loaded. */
#ifndef ZEFRIM_ZEFRIM_H
#define ZEFRIM_ZEFRIM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ZEFRIM_API __attribute__((visibility("default")))

/* Result of every function except the version, allocation and free functions:
 * 0 success, negative errors (nothing written), positive warnings (the work was done). */
typedef int32_t ImagingStatus;
enum {
    StatusOk = 0,
    StatusDivisionByZero = 6,
    StatusMarkerFound = 10,
    StatusOutOfRange = -2,
    StatusBadArgument = -5,
    StatusBadSize = -6,
    StatusNullPointer = -8,
    StatusNoMemory = -9,
    StatusBadStep = -14,
    StatusBadShift = -32,
    StatusBadMaskSize = -33,
    StatusBadChannelOrder = -60,
    StatusDataExhausted = -62,
    StatusBadHuffmanValue = -63,
    StatusBadHuffmanTable = -64
};

typedef struct RoiSize {
    int32_t width;
    int32_t height;
} RoiSize;

typedef enum MaskSize { MaskSize3x3 = 33, MaskSize5x5 = 55 } MaskSize;

typedef struct LibVersion {
    int32_t major;
    int32_t minor;
    int32_t majorBuild;
    int32_t build;
    char cpuTag[4];
    const char* name;
    const char* version;
    const char* buildDate;
} LibVersion;

/* Caller-allocated JPEG Huffman tables and coder states; their sizes come from the
 * *GetBufSize functions. */
typedef struct DecodeHuffmanSpec DecodeHuffmanSpec;
typedef struct DecodeHuffmanState DecodeHuffmanState;
typedef struct EncodeHuffmanSpec EncodeHuffmanSpec;
typedef struct EncodeHuffmanState EncodeHuffmanState;

/* The exports, one ZEFRIM_EXPORT(result, name, (parameters), (arguments)) line each. */
#define ZEFRIM_EXPORT(ret, name, params, args) ZEFRIM_API ret name params;
#include "zefrim/exports_signal.def"
#include "zefrim/exports_image.def"
#include "zefrim/exports_jpeg_huffman.def"
#include "zefrim/exports_jpeg_transform.def"
#undef ZEFRIM_EXPORT

#ifdef __cplusplus
}
#endif

#endif
