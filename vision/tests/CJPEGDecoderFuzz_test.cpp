// Bounded fuzzing of the decoder: mutated fixtures must end in a status, never in a fault (run
// under the address sanitizer in CI). VISION_FUZZ_SECONDS=N runs for N seconds instead.
#include "CJPEGDecoder.h"
#include "jpeg_helper.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>

using namespace jpegtest;
using Bytes = std::vector<std::uint8_t>;

namespace {

void mutate(Bytes& jpeg, std::mt19937& random)
{
    const auto pick = [&](std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const int edits = 1 + static_cast<int>(pick(4));
    for (int e = 0; e < edits && !jpeg.empty(); ++e) {
        const std::size_t at = pick(jpeg.size());
        switch (pick(6)) {
        case 0: jpeg[at] ^= static_cast<std::uint8_t>(1u << pick(8)); break;
        case 1: jpeg[at] = static_cast<std::uint8_t>(pick(256)); break;
        case 2: jpeg[at] = pick(2) ? 0xFF : 0x00; break;
        case 3:
            jpeg.erase(jpeg.begin() + static_cast<std::ptrdiff_t>(at),
                       jpeg.begin() + static_cast<std::ptrdiff_t>(std::min(jpeg.size(), at + 1 + pick(16))));
            break;
        case 4: {
            const std::size_t from = pick(jpeg.size());
            const std::size_t count = std::min(jpeg.size() - from, 1 + pick(32));
            const Bytes copy(jpeg.begin() + static_cast<std::ptrdiff_t>(from),
                             jpeg.begin() + static_cast<std::ptrdiff_t>(from + count));
            jpeg.insert(jpeg.begin() + static_cast<std::ptrdiff_t>(at), copy.begin(), copy.end());
            break;
        }
        default: jpeg.resize(at); break;
        }
    }
}

// Decodes into every output code; big frames (a mutated size field) into RGB only.
void decodeAll(const Bytes& jpeg)
{
    CJPEGDecoder decoder;
    decoder.AttachSource(jpeg.data(), static_cast<std::int32_t>(jpeg.size()));
    int w, h, n, colour, sampling, precision;
    if (decoder.ReadFrameHeader(w, h, n, colour, sampling, precision) != 0)
        return;
    const std::size_t bytes = static_cast<std::size_t>(w) * h * 3;
    const bool big = bytes > (std::size_t {1} << 21);
    std::vector<Bytes> images(big ? 1 : 5, Bytes(bytes));
    std::vector<JpegOutputTarget> targets;
    for (std::size_t i = 0; i < images.size(); ++i)
        targets.push_back(
            {images[i].data(), static_cast<int>(bytes), big ? JpegOutputTarget::RGB : static_cast<int>(i)});
    decoder.SetOutputTargets(targets, w * 3, w, h, 3, 8);
    const int status = decoder.DecodeFrame();
    EXPECT_LE(status, 0);
}

TEST(DecoderFuzz, MutatedFramesEndInAStatus)
{
    const char* files[] = {
        "baseline-420.jpg", "baseline-422.jpg", "grey.jpg",   "progressive-420.jpg", "progressive-separate-dc.jpg",
        "restart-1mcu.jpg", "quality10.jpg",    "odd-422.jpg"};
    std::vector<Bytes> seeds;
    for (const char* file : files)
        seeds.push_back(fixture(file));
    std::vector<int> samples;
    for (int i = 0; i < 16 * 8; ++i)
        samples.push_back((i * 37) & 4095);
    seeds.push_back(losslessFrame(12, 16, 8, samples));
    const char* seconds = std::getenv("VISION_FUZZ_SECONDS");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds ? std::atoi(seconds) : 0);
    std::mt19937 random(seconds ? static_cast<unsigned>(std::random_device {}()) : 20261210u);
    long iterations = 0;
    for (;; ++iterations) {
        if (seconds ? std::chrono::steady_clock::now() >= deadline : iterations >= 3000)
            break;
        Bytes jpeg = seeds[iterations % seeds.size()];
        mutate(jpeg, random);
        decodeAll(jpeg);
        if (HasFailure())
            break;
    }
    RecordProperty("iterations", static_cast<int>(iterations));
    if (seconds)
        std::printf("fuzz iterations: %ld\n", iterations);
}

} // namespace
