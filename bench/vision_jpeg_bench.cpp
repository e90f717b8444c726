// The camera's JPEG decoder against libjpeg-turbo on one 640 x 480 4:2:0 quality-75 frame, and a
// whole camera frame: decode to RGB and HSV, then segment into 8 colour classes.
// Run once plainly and once with JSIMD_FORCENONE=1 for libjpeg-turbo without its SIMD.

#include "CJPEGDecoder.h"
#include "SegmenterEngine.h"
#include "XKDWorkImage.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <jpeglib.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

const std::vector<std::uint8_t>& cameraFrame()
{
    static const std::vector<std::uint8_t> bytes = [] {
        std::ifstream in(VISION_TEST_DATA "/camera-640x480.jpg", std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

int decodeOurs(CJPEGDecoder& decoder, const std::vector<std::uint8_t>& jpeg, std::vector<JpegOutputTarget> targets)
{
    decoder.AttachSource(jpeg.data(), static_cast<std::int32_t>(jpeg.size()));
    int w, h, n, colour, sampling, precision;
    if (decoder.ReadFrameHeader(w, h, n, colour, sampling, precision) != 0)
        return -1;
    decoder.SetOutputTargets(targets, w * 3, w, h, 3, 8);
    return decoder.DecodeFrame();
}

void BM_CameraDecoderToRgb(benchmark::State& state)
{
    const auto& jpeg = cameraFrame();
    std::vector<std::uint8_t> rgb(640 * 480 * 3);
    CJPEGDecoder decoder;
    for (auto _ : state) {
        if (decodeOurs(decoder, jpeg, {{rgb.data(), static_cast<int>(rgb.size()), JpegOutputTarget::RGB}}) != 0)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(rgb.data());
    }
}
BENCHMARK(BM_CameraDecoderToRgb)->Unit(benchmark::kMillisecond);

void BM_LibjpegTurboToRgb(benchmark::State& state)
{
    const auto& jpeg = cameraFrame();
    std::vector<std::uint8_t> rgb(640 * 480 * 3);
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    for (auto _ : state) {
        jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = rgb.data() + static_cast<std::size_t>(info.output_scanline) * 640 * 3;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        benchmark::DoNotOptimize(rgb.data());
    }
    jpeg_destroy_decompress(&info);
}
BENCHMARK(BM_LibjpegTurboToRgb)->Unit(benchmark::kMillisecond);

// Eight hue bands of 32 values each, saturation and value above 40.
SegmentList eightHueClasses()
{
    SegmentList list;
    for (int k = 0; k < 8; ++k) {
        SegmentDescription d;
        for (int v = 0; v < 256; ++v) {
            d.valueSet(0).set(static_cast<std::uint8_t>(v), v / 32 == k);
            d.valueSet(1).set(static_cast<std::uint8_t>(v), v > 40);
            d.valueSet(2).set(static_cast<std::uint8_t>(v), v > 40);
        }
        d.setColorFormat(2);
        list.push_back(d);
    }
    return list;
}

void BM_WholeCameraFrame(benchmark::State& state)
{
    const auto& jpeg = cameraFrame();
    std::unique_ptr<XKDImage> rgb(createPoolImage(1));
    std::unique_ptr<XKDImage> hsv(createPoolImage(1));
    hsv->setColorFormat(ColorFormat_t::HSV);
    CJPEGDecoder decoder;
    SegmenterEngine engine;
    engine.setSegments(eightHueClasses());
    const int bytes = 640 * 480 * 3;
    for (auto _ : state) {
        decodeOurs(decoder, jpeg,
                   {{rgb->data(), bytes, JpegOutputTarget::RGB}, {hsv->data(), bytes, JpegOutputTarget::HSV}});
        engine.segment(*hsv);
        benchmark::DoNotOptimize(hsv->data());
    }
}
BENCHMARK(BM_WholeCameraFrame)->Unit(benchmark::kMillisecond);

void BM_SegmentEightClasses(benchmark::State& state)
{
    const auto& jpeg = cameraFrame();
    std::unique_ptr<XKDImage> hsv(createPoolImage(1));
    CJPEGDecoder decoder;
    decodeOurs(decoder, jpeg, {{hsv->data(), 640 * 480 * 3, JpegOutputTarget::HSV}});
    SegmenterEngine engine;
    engine.setSegments(eightHueClasses());
    for (auto _ : state)
        engine.segment(*hsv);
}
BENCHMARK(BM_SegmentEightClasses)->Unit(benchmark::kMillisecond);

} // namespace
