// Image functions of zefrim at 640x480 in each of the four builds, in megapixels per second,
// beside memcpy of the same source buffer (the ceiling) and plain scalar loops (the yardstick for
// the generic build).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "builds.h"

namespace {

constexpr int32_t kWidth = 640, kHeight = 480;
constexpr RoiSize kRoi {kWidth, kHeight};
constexpr double kPixels = double(kWidth) * kHeight;
constexpr const char* kBuildNames[4] = {"gn", "s1", "s2", "s3"};
constexpr int32_t kReverse[3] = {2, 1, 0};

// 64-byte aligned, filled with noise, with a 2-pixel readable frame for the filters.
struct Buffer
{
    explicit Buffer(size_t bytes) : storage(bytes + 64 + 4096)
    {
        std::mt19937 gen(5);
        for (auto& b : storage)
            b = static_cast<uint8_t>(gen());
        const uintptr_t base = reinterpret_cast<uintptr_t>(storage.data()) + 2048;
        data = storage.data() + 2048 + (64 - base % 64) % 64;
    }
    std::vector<uint8_t> storage;
    uint8_t* data;
    template <class T>
    T* as()
    {
        return reinterpret_cast<T*>(data);
    }
};

Buffer& rgbSource()
{
    static Buffer b(kWidth * kHeight * 3);
    return b;
}
Buffer& byteSource()
{
    static Buffer b(kWidth * kHeight);
    return b;
}
Buffer& shortSource()
{
    static Buffer b(kWidth * kHeight * 2);
    return b;
}
Buffer& shortSource2()
{
    static Buffer b(kWidth * kHeight * 2);
    return b;
}
Buffer& destination()
{
    static Buffer b(kWidth * kHeight * 3);
    return b;
}

void setRate(benchmark::State& state)
{
    state.counters["MP/s"] = benchmark::Counter(kPixels * 1e-6, benchmark::Counter::kIsIterationInvariantRate);
}

void registerCase(const std::string& name, std::function<void()> call)
{
    benchmark::RegisterBenchmark(name.c_str(), [call](benchmark::State& state) {
        for (auto _ : state) {
            call();
            benchmark::ClobberMemory();
        }
        setRate(state);
    })->Unit(benchmark::kMicrosecond);
}

template <class Fn, class Invoke>
void registerBuilds(const std::string& name, const std::array<Fn, 4>& builds, Invoke invoke)
{
    for (int b = 0; b < 4; ++b) {
        const Fn fn = builds[b];
        registerCase(name + "/" + kBuildNames[b], [fn, invoke] { invoke(fn); });
    }
}

#define ZEFRIM_ALL_BUILDS(name)                                                                                        \
    std::array                                                                                                         \
    {                                                                                                                  \
        name##_gn, name##_s1, name##_s2, name##_s3                                                                     \
    }

// --- Scalar yardsticks: straightforward loops a careful C programmer would write, kept scalar
// like the generic build. ---
#define ZEFRIM_SCALAR __attribute__((optimize("no-tree-vectorize", "no-tree-slp-vectorize")))

ZEFRIM_SCALAR void scalarGray()
{
    const uint8_t* s = rgbSource().data;
    uint8_t* d = destination().data;
    for (int32_t i = 0; i < kWidth * kHeight; ++i)
        d[i] = static_cast<uint8_t>((1225 * s[3 * i] + 2404 * s[3 * i + 1] + 467 * s[3 * i + 2]) >> 12);
}

ZEFRIM_SCALAR void scalarHsv()
{
    const uint8_t* s = rgbSource().data;
    uint8_t* d = destination().data;
    for (int32_t i = 0; i < kWidth * kHeight; ++i) {
        const int r = s[3 * i], g = s[3 * i + 1], b = s[3 * i + 2];
        const int vmax = std::max({r, g, b}), diff = vmax - std::min({r, g, b});
        float h = 0, sat = 0;
        if (diff != 0) {
            const float a = 1.0f / diff;
            sat = 255.0f * diff / vmax;
            h = r == vmax ? (g - b) * a : (g == vmax ? 2 + (b - r) * a : 4 + (r - g) * a);
            h *= 42.5f;
            if (h < 0)
                h += 255;
        }
        d[3 * i] = static_cast<uint8_t>(h + 0.5f);
        d[3 * i + 1] = static_cast<uint8_t>(sat + 0.5f);
        d[3 * i + 2] = static_cast<uint8_t>(vmax);
    }
}

ZEFRIM_SCALAR void scalarSobelVertical3x3()
{
    const uint8_t* s = byteSource().data;
    int16_t* d = destination().as<int16_t>();
    for (int32_t y = 1; y < kHeight - 1; ++y)
        for (int32_t x = 1; x < kWidth - 1; ++x) {
            const uint8_t* p = s + y * kWidth + x;
            d[y * kWidth + x] = static_cast<int16_t>(p[-kWidth - 1] + 2 * p[-1] + p[kWidth - 1] - p[-kWidth + 1]
                                                     - 2 * p[1] - p[kWidth + 1]);
        }
}

ZEFRIM_SCALAR void scalarSquare()
{
    const int16_t* s = shortSource().as<int16_t>();
    int16_t* d = destination().as<int16_t>();
    for (int32_t i = 0; i < kWidth * kHeight; ++i) {
        const int32_t q = s[i] * s[i];
        d[i] = static_cast<int16_t>(std::min((q + ((q >> 1) & 1)) >> 1, 32767));
    }
}

ZEFRIM_SCALAR void scalarThreshold()
{
    int16_t* v = shortSource2().as<int16_t>();
    for (int32_t i = 0; i < kWidth * kHeight; ++i)
        v[i] = v[i] < 100 ? int16_t(0) : v[i];
}

ZEFRIM_SCALAR void scalarConvert16s8u()
{
    const int16_t* s = shortSource().as<int16_t>();
    uint8_t* d = destination().data;
    for (int32_t i = 0; i < kWidth * kHeight; ++i)
        d[i] = static_cast<uint8_t>(std::clamp<int32_t>(s[i], 0, 255));
}

bool registerAll()
{
    registerCase("Memcpy/rgb", [] { std::memcpy(destination().data, rgbSource().data, kWidth * kHeight * 3); });
    registerCase("Memcpy/gray", [] { std::memcpy(destination().data, byteSource().data, kWidth * kHeight); });
    registerCase("Memcpy/16s", [] { std::memcpy(destination().data, shortSource().data, kWidth * kHeight * 2); });
    registerCase("ScalarLoop/RGBToGray", scalarGray);
    registerCase("ScalarLoop/RGBToHSV", scalarHsv);
    registerCase("ScalarLoop/SobelVert3x3", scalarSobelVertical3x3);
    registerCase("ScalarLoop/Sqr", scalarSquare);
    registerCase("ScalarLoop/Threshold", scalarThreshold);
    registerCase("ScalarLoop/Convert16s8u", scalarConvert16s8u);

    auto colour = [](auto fn) { fn(rgbSource().data, kWidth * 3, destination().data, kWidth * 3, kRoi); };
    registerBuilds("RGBToHSV", ZEFRIM_ALL_BUILDS(zfmiRGBToHSV_8u_C3R), colour);
    registerBuilds("RGBToHLS", ZEFRIM_ALL_BUILDS(zfmiRGBToHLS_8u_C3R), colour);
    registerBuilds("RGBToGray", ZEFRIM_ALL_BUILDS(zfmiRGBToGray_8u_C3C1R),
                   [](auto fn) { fn(rgbSource().data, kWidth * 3, destination().data, kWidth, kRoi); });
    registerBuilds("SwapChannels", ZEFRIM_ALL_BUILDS(zfmiSwapChannels_8u_C3R),
                   [](auto fn) { fn(rgbSource().data, kWidth * 3, destination().data, kWidth * 3, kRoi, kReverse); });
    registerBuilds("Copy", ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C1R),
                   [](auto fn) { fn(byteSource().data, kWidth, destination().data, kWidth, kRoi); });
    // The filters see the whole image inset by the frame they read.
    const RoiSize inner3 {kWidth - 2, kHeight - 2};
    auto sobel3 = [inner3](auto fn) {
        fn(byteSource().data + kWidth + 1, kWidth, destination().as<int16_t>(), 2 * kWidth, inner3, MaskSize3x3);
    };
    registerBuilds("SobelVert3x3", ZEFRIM_ALL_BUILDS(zfmiFilterSobelVert_8u16s_C1R), sobel3);
    registerBuilds("SobelHoriz3x3", ZEFRIM_ALL_BUILDS(zfmiFilterSobelHoriz_8u16s_C1R), sobel3);
    registerBuilds("Sqr", ZEFRIM_ALL_BUILDS(zfmiSqr_16s_C1RSfs), [](auto fn) {
        fn(shortSource().as<int16_t>(), 2 * kWidth, destination().as<int16_t>(), 2 * kWidth, kRoi, 1);
    });
    registerBuilds("Add", ZEFRIM_ALL_BUILDS(zfmiAdd_16s_C1IRSfs), [](auto fn) {
        fn(shortSource().as<int16_t>(), 2 * kWidth, shortSource2().as<int16_t>(), 2 * kWidth, kRoi, 1);
    });
    registerBuilds("Threshold", ZEFRIM_ALL_BUILDS(zfmiThreshold_LTVal_16s_C1IR),
                   [](auto fn) { fn(shortSource2().as<int16_t>(), 2 * kWidth, kRoi, int16_t(100), int16_t(0)); });
    registerBuilds("Convert16s8u", ZEFRIM_ALL_BUILDS(zfmiConvert_16s8u_C1R),
                   [](auto fn) { fn(shortSource().as<int16_t>(), 2 * kWidth, destination().data, kWidth, kRoi); });
    return true;
}

const bool kRegistered = registerAll();

} // namespace
