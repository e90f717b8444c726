// Per-build memory kernels behind zfmsCopy_8u, zfmsZero_8u and the 16-bit clearing routine.
// A build's functions call only the kernels of their own build (suffix _gn, _s1, _s2, _s3).
#pragma once

#include "zefrim/zefrim.h"

#include <cstdint>

// Byte copy: copies len bytes from src to dst (the runs must not overlap); returns dst.
// No checks; callers pass a positive length.
void* copyBytes_gn(const void* src, void* dst, int32_t len);
void* copyBytes_s1(const void* src, void* dst, int32_t len);
void* copyBytes_s2(const void* src, void* dst, int32_t len);
void* copyBytes_s3(const void* src, void* dst, int32_t len);

// Byte zero: clears len bytes at dst; returns dst. No checks.
void* zeroBytes_gn(void* dst, int32_t len);
void* zeroBytes_s1(void* dst, int32_t len);
void* zeroBytes_s2(void* dst, int32_t len);
void* zeroBytes_s3(void* dst, int32_t len);

// Word fill: stores value into count consecutive 32-bit words at dst (any alignment);
// returns dst. A count of 0 or less writes nothing.
void* fillWords_gn(int32_t value, void* dst, int32_t count);
void* fillWords_s1(int32_t value, void* dst, int32_t count);
void* fillWords_s2(int32_t value, void* dst, int32_t count);
void* fillWords_s3(int32_t value, void* dst, int32_t count);

// Clears count 16-bit values: StatusNullPointer, StatusBadSize or StatusOk.
ImagingStatus zeroShorts_gn(int16_t* pDst, int32_t count);
ImagingStatus zeroShorts_s1(int16_t* pDst, int32_t count);
ImagingStatus zeroShorts_s2(int16_t* pDst, int32_t count);
ImagingStatus zeroShorts_s3(int16_t* pDst, int32_t count);
