// The generic build gn against the libraries a user would otherwise pick, side by side in one run
// on one pinned core, 640x480 frames: OpenCV on one thread limited to SSE2, memcpy, and
// libjpeg-turbo's whole decode of the same JPEG file with and without its SIMD code. Prints, for
// each pair, gn's time over the other's as the median and range over several rounds (each round
// measures both, so a busy machine moves both alike).
//
//   zefrim_ratios [rounds]      (ZEFRIM_BENCH_CPU picks the core; default: the one it starts on)
#include <benchmark/benchmark.h>
#include <opencv2/core.hpp>
#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>

#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "builds.h"
#include "zefrim_jpeg_frame.h"

extern char** environ;

namespace {

// Every feature OpenCV 4.6 dispatches to above the x86-64 base set (which ends at SSE2).
constexpr const char* kOpenCvAboveSse2 =
    "SSE3,SSSE3,SSE4.1,POPCNT,SSE4.2,FP16,FMA3,AVX,AVX2,AVX512F,AVX512-COMMON,AVX512-SKX,AVX512-CNL,"
    "AVX512-CLX,AVX512-ICL";
constexpr const char* kPlainDecodeMode = "--libjpeg-decode-time";

constexpr int kChromaWidth = frameWidth / 2;
constexpr int kChromaHeight = frameHeight / 2;

using Clock = std::chrono::steady_clock;

// Seconds per call of fn: the best of several batches of about 4 ms each.
double secondsPerCall(const std::function<void()>& fn)
{
    fn();
    int calls = 1;
    for (;;) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            fn();
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (elapsed > 0.004)
            break;
        calls *= 2;
    }
    double best = 1e30;
    for (int batch = 0; batch < 5; ++batch) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            fn();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count() / calls);
    }
    return best;
}

void pinToOneCore()
{
    const char* chosen = std::getenv("ZEFRIM_BENCH_CPU");
    const int cpu = chosen != nullptr ? std::atoi(chosen) : sched_getcpu();
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(cpu, &set);
    if (sched_setaffinity(0, sizeof set, &set) != 0)
        std::perror("sched_setaffinity");
    std::fprintf(stderr, "pinned to core %d\n", cpu);
}

// ---- Test data ------------------------------------------------------------------------------

struct Images
{
    libjpegref::Bytes rgb = makeFrame();
    libjpegref::Bytes hsv = libjpegref::Bytes(rgb.size()), grey = libjpegref::Bytes(rgb.size() / 3);
    // Grey source with a one-pixel frame read by the 3x3 filters.
    cv::Mat framedGrey = cv::Mat(frameHeight + 2, frameWidth + 2, CV_8UC1);
    cv::Mat sobel = cv::Mat(frameHeight, frameWidth, CV_16SC1);
    cv::Mat a16 = cv::Mat(frameHeight, frameWidth, CV_16SC1), b16 = a16.clone(), sum16 = a16.clone();
    cv::Mat wide16 = a16.clone(), narrow8 = cv::Mat(frameHeight, frameWidth, CV_8UC1);
    std::vector<uint8_t> bytes = std::vector<uint8_t>(rgb.size() / 3), copied = bytes;

    Images()
    {
        cv::RNG random(7);
        random.fill(framedGrey, cv::RNG::UNIFORM, 0, 256);
        random.fill(a16, cv::RNG::UNIFORM, -20000, 20000);
        random.fill(b16, cv::RNG::UNIFORM, -20000, 20000);
        random.fill(wide16, cv::RNG::UNIFORM, -300, 600);
        std::copy_n(rgb.begin(), bytes.size(), bytes.begin());
    }
    cv::Mat rgbMat() { return cv::Mat(frameHeight, frameWidth, CV_8UC3, rgb.data()); }
    cv::Mat greyRegion() { return framedGrey(cv::Rect(1, 1, frameWidth, frameHeight)); }
};

int32_t step16(const cv::Mat& m)
{
    return static_cast<int32_t>(m.step[0]);
}

// ---- The JPEG side: gn's pieces of a decoder over the frame -----------------------------------

// Caller-held buffer of the size the library reports.
template <class T>
struct Buffer
{
    explicit Buffer(int32_t bytes) : storage((static_cast<size_t>(bytes) + 7) / 8) { }
    T* get() { return reinterpret_cast<T*>(storage.data()); }
    std::vector<uint64_t> storage;
};

// A chroma plane with a one-sample border around it, as the up-sampling reads it.
struct BorderedPlane
{
    int step = kChromaWidth + 2;
    libjpegref::Bytes bytes = libjpegref::Bytes(static_cast<size_t>(kChromaWidth + 2) * (kChromaHeight + 2), 128);
    uint8_t* origin() { return bytes.data() + step + 1; }

    void replicateBorder()
    {
        for (int y = 0; y < kChromaHeight; ++y) {
            uint8_t* row = origin() + y * step;
            row[-1] = row[0];
            row[kChromaWidth] = row[kChromaWidth - 1];
        }
        std::copy_n(origin() - 1, kChromaWidth + 2, origin() - 1 - step);
        std::copy_n(origin() - 1 + (kChromaHeight - 1) * step, kChromaWidth + 2, origin() - 1 + kChromaHeight * step);
    }
};

// Huffman block decoding, dequantising inverse DCTs, chroma up-sampling and YCbCr to RGB.
struct JpegPieces
{
    libjpegref::Bytes data = compressFrame(makeFrame());
    Buffer<DecodeHuffmanSpec> dcSpecs[2] = {Buffer<DecodeHuffmanSpec>(1644), Buffer<DecodeHuffmanSpec>(1644)};
    Buffer<DecodeHuffmanSpec> acSpecs[2] = {Buffer<DecodeHuffmanSpec>(1644), Buffer<DecodeHuffmanSpec>(1644)};
    Buffer<DecodeHuffmanState> state = Buffer<DecodeHuffmanState>(24);
    std::vector<uint16_t> inverseTables[3];
    int32_t scanStart = 0;
    libjpegref::Bytes luma = libjpegref::Bytes(static_cast<size_t>(frameWidth) * frameHeight);
    libjpegref::Bytes cbFull = luma, crFull = luma, rgb = libjpegref::Bytes(3 * luma.size());
    BorderedPlane cb, cr;
    bool failed = false;

    JpegPieces()
    {
        int32_t size = 0;
        zfmiDecodeHuffmanSpecGetBufSize_JPEG_8u_gn(&size);
        if (size > 1644)
            std::abort();
        const auto components = libjpegref::readCoefficients(data);
        for (int c = 0; c < 3; ++c)
            inverseTables[c].assign(components[c].quantisers, components[c].quantisers + 64);
        size_t at = 2;
        while (at + 4 <= data.size() && data[at] == 0xFF) {
            const int code = data[at + 1];
            const size_t end = at + 2 + static_cast<size_t>((data[at + 2] << 8) | data[at + 3]);
            if (code == 0xC4)
                readTables(at + 4, end);
            at = end;
            if (code == 0xDA)
                break;
        }
        scanStart = static_cast<int32_t>(at);
    }

    void readTables(size_t at, size_t end)
    {
        while (at + 17 <= end) {
            const int classAndId = data[at];
            const uint8_t* bits = &data[at + 1];
            int count = 0;
            for (int i = 0; i < 16; ++i)
                count += bits[i];
            auto& specs = (classAndId >> 4) ? acSpecs : dcSpecs;
            zfmiDecodeHuffmanSpecInit_JPEG_8u_gn(bits, bits + 16, specs[classAndId & 1].get());
            at += 17 + static_cast<size_t>(count);
        }
    }

    // One frame: every MCU's four luma and two chroma blocks decoded and transformed in place.
    void decodeFrame()
    {
        zfmiDecodeHuffmanStateInit_JPEG_8u_gn(state.get());
        const int32_t length = static_cast<int32_t>(data.size());
        int32_t position = scanStart, marker = 0;
        int16_t predictors[3] = {};
        alignas(16) int16_t block[64];
        for (int my = 0; my < frameHeight / 16; ++my)
            for (int mx = 0; mx < frameWidth / 16; ++mx)
                for (int b = 0; b < 6; ++b) {
                    const int component = b < 4 ? 0 : b - 3;
                    const int table = component == 0 ? 0 : 1;
                    failed |= zfmiDecodeHuffman8x8_JPEG_1u16s_C1_gn(
                                  data.data(), length, &position, block, &predictors[component], &marker,
                                  dcSpecs[table].get(), acSpecs[table].get(), state.get())
                        < 0;
                    uint8_t* out;
                    int step;
                    if (component == 0) {
                        step = frameWidth;
                        out = luma.data() + (16 * my + 8 * (b / 2)) * step + 16 * mx + 8 * (b % 2);
                    } else {
                        BorderedPlane& plane = component == 1 ? cb : cr;
                        step = plane.step;
                        out = plane.origin() + 8 * my * step + 8 * mx;
                    }
                    zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn(block, out, step, inverseTables[component].data());
                }
        for (int c = 1; c < 3; ++c) {
            BorderedPlane& half = c == 1 ? cb : cr;
            half.replicateBorder();
            zfmiSampleUpH2V2_JPEG_8u_C1R_gn(half.origin(), half.step, {kChromaWidth, kChromaHeight},
                                            c == 1 ? cbFull.data() : crFull.data(), frameWidth,
                                            {frameWidth, frameHeight});
        }
        const uint8_t* planes[3] = {luma.data(), cbFull.data(), crFull.data()};
        zfmiYCbCrToRGB_JPEG_8u_P3C3R_gn(planes, frameWidth, rgb.data(), 3 * frameWidth, {frameWidth, frameHeight});
        benchmark::ClobberMemory();
    }
};

// libjpeg-turbo's time per whole decode in a fresh process whose environment keeps its SIMD code
// off: it reads that switch once per process.
double plainLibjpegSeconds(const char* self)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return 0;
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, "JSIMD_FORCENONE=", 16) != 0)
            env.emplace_back(*e);
    env.emplace_back("JSIMD_FORCENONE=1");
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char* argv[] = {const_cast<char*>(self), const_cast<char*>(kPlainDecodeMode), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    char text[64] = {};
    const ssize_t got = spawned == 0 ? read(pipeEnds[0], text, sizeof text - 1) : -1;
    close(pipeEnds[0]);
    if (spawned == 0)
        waitpid(child, nullptr, 0);
    return got > 0 ? std::atof(text) : 0;
}

// ---- The pairs ------------------------------------------------------------------------------

struct Pair
{
    std::string name;
    std::string against;
    double aim;
    std::function<double()> ours;
    std::function<double()> theirs;
};

std::function<double()> timed(std::function<void()> fn)
{
    return [fn] { return secondsPerCall(fn); };
}

std::vector<Pair> makePairs(Images& im, JpegPieces& jpeg, const char* self)
{
    const RoiSize frame {frameWidth, frameHeight};
    const int32_t rgbStep = 3 * frameWidth;
    std::vector<Pair> pairs;
    auto colour = [&](const char* name, decltype(&zfmiRGBToHSV_8u_C3R_gn) ours, int code, uint8_t* dst, int dstStep,
                      double aim) {
        pairs.push_back({name, "OpenCV cvtColor", aim, timed([&im, ours, dst, dstStep, frame, rgbStep] {
                             ours(im.rgb.data(), rgbStep, dst, dstStep, frame);
                             benchmark::ClobberMemory();
                         }),
                         timed([&im, code] {
                             static cv::Mat converted;
                             cv::cvtColor(im.rgbMat(), converted, code);
                         })});
    };
    colour("RGB to HSV", zfmiRGBToHSV_8u_C3R_gn, cv::COLOR_RGB2HSV_FULL, im.hsv.data(), rgbStep, 1.0);
    colour("RGB to HLS", zfmiRGBToHLS_8u_C3R_gn, cv::COLOR_RGB2HLS_FULL, im.hsv.data(), rgbStep, 1.0);
    colour("RGB to grey", zfmiRGBToGray_8u_C3C1R_gn, cv::COLOR_RGB2GRAY, im.grey.data(), frameWidth, 1.0);

    auto sobel = [&](const char* name, decltype(&zfmiFilterSobelVert_8u16s_C1R_gn) ours, int dx, int dy) {
        pairs.push_back({name, "OpenCV Sobel 3x3", 1.2, timed([&im, ours, frame] {
                             cv::Mat region = im.greyRegion();
                             ours(region.data, static_cast<int32_t>(region.step[0]), im.sobel.ptr<int16_t>(),
                                  step16(im.sobel), frame, MaskSize3x3);
                             benchmark::ClobberMemory();
                         }),
                         timed([&im, dx, dy] { cv::Sobel(im.greyRegion(), im.sobel, CV_16S, dx, dy, 3); })});
    };
    sobel("Sobel vertical 3x3", zfmiFilterSobelVert_8u16s_C1R_gn, 1, 0);
    sobel("Sobel horizontal 3x3", zfmiFilterSobelHoriz_8u16s_C1R_gn, 0, 1);

    pairs.push_back({"Add 16s, scale factor 1", "OpenCV addWeighted 0.5, 0.5", 1.2, timed([&im, frame] {
                         zfmiAdd_16s_C1RSfs_gn(im.a16.ptr<int16_t>(), step16(im.a16), im.b16.ptr<int16_t>(),
                                               step16(im.b16), im.sum16.ptr<int16_t>(), step16(im.sum16), frame, 1);
                         benchmark::ClobberMemory();
                     }),
                     timed([&im] { cv::addWeighted(im.a16, 0.5, im.b16, 0.5, 0, im.sum16); })});
    pairs.push_back({"Sqr 16s, scale factor 1", "OpenCV multiply 16s x0.5", 1.2, timed([&im, frame] {
                         zfmiSqr_16s_C1RSfs_gn(im.a16.ptr<int16_t>(), step16(im.a16), im.sum16.ptr<int16_t>(),
                                               step16(im.sum16), frame, 1);
                         benchmark::ClobberMemory();
                     }),
                     timed([&im] { cv::multiply(im.a16, im.a16, im.sum16, 0.5); })});
    pairs.push_back({"Threshold LTVal 16s in place", "OpenCV threshold TOZERO 16s", 1.0, timed([&im, frame] {
                         zfmiThreshold_LTVal_16s_C1IR_gn(im.sum16.ptr<int16_t>(), step16(im.sum16), frame, 100, 0);
                         benchmark::ClobberMemory();
                     }),
                     timed([&im] { cv::threshold(im.sum16, im.sum16, 100, 0, cv::THRESH_TOZERO); })});
    pairs.push_back({"Convert 16s to 8u", "OpenCV convertTo 8u", 1.0, timed([&im, frame] {
                         zfmiConvert_16s8u_C1R_gn(im.wide16.ptr<int16_t>(), step16(im.wide16), im.narrow8.data,
                                                  frameWidth, frame);
                         benchmark::ClobberMemory();
                     }),
                     timed([&im] { im.wide16.convertTo(im.narrow8, CV_8U); })});

    const auto copyWithMemcpy = timed([&im] {
        std::memcpy(im.copied.data(), im.bytes.data(), im.bytes.size());
        benchmark::ClobberMemory();
    });
    pairs.push_back({"zfmsCopy_8u (307200 bytes)", "memcpy", 1.1, timed([&im] {
                         zfmsCopy_8u_gn(im.bytes.data(), im.copied.data(), static_cast<int32_t>(im.bytes.size()));
                         benchmark::ClobberMemory();
                     }),
                     copyWithMemcpy});
    pairs.push_back({"zfmiCopy_8u_C1R (640x480)", "memcpy", 1.1, timed([&im, frame] {
                         zfmiCopy_8u_C1R_gn(im.bytes.data(), frameWidth, im.copied.data(), frameWidth, frame);
                         benchmark::ClobberMemory();
                     }),
                     copyWithMemcpy});

    const auto ourJpeg = timed([&jpeg] { jpeg.decodeFrame(); });
    pairs.push_back({"JPEG pieces per frame", "libjpeg-turbo decode, SIMD", 1.3, ourJpeg, timed([&jpeg] {
                         static libjpegref::Bytes pixels;
                         libjpegref::decodeInto(jpeg.data, 3, pixels);
                     })});
    pairs.push_back({"JPEG pieces per frame", "libjpeg-turbo decode, no SIMD", 0.9, ourJpeg,
                     [self] { return plainLibjpegSeconds(self); }});
    return pairs;
}

int plainDecodeTime()
{
    pinToOneCore();
    const libjpegref::Bytes data = compressFrame(makeFrame());
    libjpegref::Bytes pixels;
    std::printf("%.9f\n", secondsPerCall([&] { libjpegref::decodeInto(data, 3, pixels); }));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], kPlainDecodeMode) == 0)
        return plainDecodeTime();
    // OpenCV reads its feature switches once, when it loads: start again with them set.
    const char* disabled = std::getenv("OPENCV_CPU_DISABLE");
    if (disabled == nullptr || std::strcmp(disabled, kOpenCvAboveSse2) != 0) {
        setenv("OPENCV_CPU_DISABLE", kOpenCvAboveSse2, 1);
        execv("/proc/self/exe", argv);
        std::perror("execv");
        return 1;
    }
    unsetenv("JSIMD_FORCENONE");
    pinToOneCore();
    cv::setNumThreads(1);
    std::printf("OpenCV %s on %d thread, features (* dispatched, ? disabled): %s\n", CV_VERSION, cv::getNumThreads(),
                cv::getCPUFeaturesLine().c_str());
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    Images images;
    JpegPieces jpeg;
    jpeg.decodeFrame();
    if (jpeg.failed) {
        std::fprintf(stderr, "the JPEG frame does not decode\n");
        return 1;
    }
    std::vector<Pair> pairs = makePairs(images, jpeg, "/proc/self/exe");
    std::vector<std::vector<double>> ratios(pairs.size()), oursTimes(pairs.size()), theirTimes(pairs.size());
    for (int round = 0; round < rounds; ++round)
        for (size_t p = 0; p < pairs.size(); ++p) {
            const double ours = pairs[p].ours(), theirs = pairs[p].theirs();
            oursTimes[p].push_back(ours);
            theirTimes[p].push_back(theirs);
            ratios[p].push_back(theirs > 0 ? ours / theirs : 0);
        }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("\n%-30s %-30s %10s %10s  %-22s %s\n", "gn", "against", "gn us", "other us", "ratio median [range]",
                "aim");
    for (size_t p = 0; p < pairs.size(); ++p) {
        const auto [low, high] = std::minmax_element(ratios[p].begin(), ratios[p].end());
        char range[64];
        std::snprintf(range, sizeof range, "%.2f [%.2f-%.2f]", median(ratios[p]), *low, *high);
        std::printf("%-30s %-30s %10.1f %10.1f  %-22s <= %.1f\n", pairs[p].name.c_str(), pairs[p].against.c_str(),
                    1e6 * median(oursTimes[p]), 1e6 * median(theirTimes[p]), range, pairs[p].aim);
    }
    return 0;
}
