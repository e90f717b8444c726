// The vision blocks' per-frame work on a 640 x 480 camera frame: the line detector's edge image
// and search, segmentation into 8 classes, the extractor's region pick, and a camera program's
// whole frame (decode, segment, extract).
#include "JpegFrameDecoder.h"
#include "LineEdgeImage.h"
#include "SegmentRun.h"
#include "SegmenterEngine.h"
#include "XKDConSegments.h"
#include "XKDImage.h"
#include "XKDWorkImage.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

std::vector<std::uint8_t> frameBytes()
{
    std::ifstream file(VISION_TEST_DATA "/camera-640x480.jpg", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool decodeInto(JpegFrameDecoder& decoder, const std::vector<std::uint8_t>& bytes, XKDImage& image)
{
    JpegOutputTarget target;
    target.data = image.data();
    target.size = 3 * image.width() * image.height();
    target.code = JpegOutputTarget::RGB;
    return decoder.setSource(bytes.data(), int(bytes.size())) && decoder.readHeader() && decoder.setOutputs({target})
        && decoder.decode();
}

std::unique_ptr<XKDImage> decodedFrame()
{
    std::unique_ptr<XKDImage> image(createWorkImage(640, 480, 3, ColorFormat_t::RGB));
    JpegFrameDecoder decoder;
    decodeInto(decoder, frameBytes(), *image);
    return image;
}

// Eight classes, each one band of red values over any green and blue.
SegmentList eightClasses()
{
    SegmentList list;
    for (int c = 0; c < 8; ++c) {
        SegmentDescription segment;
        for (int v = c * 32; v < c * 32 + 32; ++v)
            segment.valueSet(0).set(std::uint8_t(v), true);
        for (int v = 0; v < 256; ++v) {
            segment.valueSet(1).set(std::uint8_t(v), true);
            segment.valueSet(2).set(std::uint8_t(v), true);
        }
        list.push_back(segment);
    }
    return list;
}

void LineDetectorEdgeImageAndSearch(benchmark::State& state)
{
    const auto image = decodedFrame();
    LineEdgeImage edges;
    for (auto _ : state) {
        edges.compute(*image, 0);
        benchmark::DoNotOptimize(edges.findEdgeColumn(480 - 21, 479, true));
    }
}
BENCHMARK(LineDetectorEdgeImageAndSearch)->Unit(benchmark::kMillisecond);

void SegmentationEightClasses(benchmark::State& state)
{
    const auto image = decodedFrame();
    SegmenterEngine engine;
    engine.setSegments(eightClasses());
    for (auto _ : state)
        engine.segment(*image);
}
BENCHMARK(SegmentationEightClasses)->Unit(benchmark::kMillisecond);

void ExtractorLargestRegion(benchmark::State& state)
{
    const auto image = decodedFrame();
    SegmenterEngine engine;
    engine.setSegments(eightClasses());
    engine.segment(*image);
    auto* result = dynamic_cast<XKDConSegments*>(image->findContainer(XKDContainer::Segments, std::string()));
    SegmentRegion region;
    for (auto _ : state)
        benchmark::DoNotOptimize(result->largestRegion(3, region, 200));
}
BENCHMARK(ExtractorLargestRegion)->Unit(benchmark::kMicrosecond);

void CameraProgramFrame(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes = frameBytes();
    std::unique_ptr<XKDImage> image(createWorkImage(640, 480, 3, ColorFormat_t::RGB));
    JpegFrameDecoder decoder;
    SegmenterEngine engine;
    engine.setSegments(eightClasses());
    SegmentRegion region;
    for (auto _ : state) {
        decodeInto(decoder, bytes, *image);
        engine.segment(*image);
        auto* result = dynamic_cast<XKDConSegments*>(image->findContainer(XKDContainer::Segments, std::string()));
        benchmark::DoNotOptimize(result->largestRegion(3, region, 200));
    }
}
BENCHMARK(CameraProgramFrame)->Unit(benchmark::kMillisecond);

} // namespace
