// The four builds of one function, in level order, and their names.
#pragma once

#include <array>

#define ZEFRIM_ALL_BUILDS(name)                                                                              \
    std::array                                                                                               \
    {                                                                                                        \
        name##_gn, name##_s1, name##_s2, name##_s3                                                           \
    }

namespace zefrimtest {

inline constexpr const char* kBuildNames[4] = {"gn", "s1", "s2", "s3"};

} // namespace zefrimtest
