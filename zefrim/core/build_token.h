// The build a source file belongs to. CMake sets ZEFRIM_BUILD from the file's suffix (gn, s1, s2,
// s3; frame for the load-time code, tests for tests and benchmarks), so one file can be compiled
// into each build and every helper a header defines lands in a namespace of that build: no code
// symbol is shared between builds compiled for different processors.
#pragma once

#ifndef ZEFRIM_BUILD
#error "ZEFRIM_BUILD is not set: zefrim's internal headers are compiled only through its CMake targets"
#endif

#define ZEFRIM_JOIN_TOKENS(a, b) a##_##b
#define ZEFRIM_JOIN(a, b) ZEFRIM_JOIN_TOKENS(a, b)

// name_gn, name_s1, name_s2 or name_s3: the entry or kernel of the build being compiled.
#define ZEFRIM_BUILD_NAME(name) ZEFRIM_JOIN(name, ZEFRIM_BUILD)

// build_gn, build_s1, ...: the namespace of the build's helpers (inline, so code names them as if
// it were not there).
#define ZEFRIM_BUILD_NAMESPACE ZEFRIM_JOIN(build, ZEFRIM_BUILD)
