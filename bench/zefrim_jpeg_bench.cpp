// JPEG transform building blocks (generic build, as the camera decoder calls them) over one
// 640x480 4:2:0 frame, beside libjpeg-turbo's decode of the same frame. One iteration is one
// frame. Run with JSIMD_FORCENONE=1 to see libjpeg-turbo without its SIMD code.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <random>
#include <vector>

#include "builds.h"
#include "zefrim_jpeg_frame.h"

namespace {

constexpr int chromaWidth = frameWidth / 2;
constexpr int chromaHeight = frameHeight / 2;

struct Component
{
    int blocksWide, blocksHigh;
    std::vector<int16_t> coefficients; // 64 per block, natural order
    std::vector<uint16_t> inverseTable;
};

// The coefficients and quantisers the frame holds, read with libjpeg-turbo.
std::vector<Component> readCoefficients(const Bytes& data)
{
    jpeg_decompress_struct dinfo {};
    jpeg_error_mgr error {};
    dinfo.err = jpeg_std_error(&error);
    jpeg_create_decompress(&dinfo);
    jpeg_mem_src(&dinfo, data.data(), data.size());
    jpeg_read_header(&dinfo, TRUE);
    jvirt_barray_ptr* arrays = jpeg_read_coefficients(&dinfo);
    std::vector<Component> components;
    for (int c = 0; c < dinfo.num_components; ++c) {
        const jpeg_component_info& info = dinfo.comp_info[c];
        Component out {static_cast<int>(info.width_in_blocks), static_cast<int>(info.height_in_blocks), {}, {}};
        out.inverseTable.assign(info.quant_table->quantval, info.quant_table->quantval + 64);
        for (int by = 0; by < out.blocksHigh; ++by) {
            JBLOCKARRAY rows = dinfo.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&dinfo), arrays[c],
                                                             static_cast<JDIMENSION>(by), 1, FALSE);
            for (int bx = 0; bx < out.blocksWide; ++bx)
                out.coefficients.insert(out.coefficients.end(), rows[0][bx], rows[0][bx] + 64);
        }
        components.push_back(std::move(out));
    }
    jpeg_finish_decompress(&dinfo);
    jpeg_destroy_decompress(&dinfo);
    return components;
}

struct Frame
{
    Bytes data;
    std::vector<Component> components;
};

const Frame& frame()
{
    static const Frame f = [] {
        Frame made;
        made.data = compressFrame(makeFrame());
        made.components = readCoefficients(made.data);
        return made;
    }();
    return f;
}

void inverseTransformComponent(const Component& c, uint8_t* plane, int step)
{
    for (int by = 0; by < c.blocksHigh; ++by)
        for (int bx = 0; bx < c.blocksWide; ++bx)
            zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn(c.coefficients.data() + 64 * (by * c.blocksWide + bx),
                                                   plane + static_cast<ptrdiff_t>(8 * by) * step + 8 * bx, step,
                                                   c.inverseTable.data());
}

// A chroma plane with a one-sample border around it, as the up-sampling reads it.
struct BorderedPlane
{
    int step = chromaWidth + 2;
    Bytes bytes = Bytes(static_cast<size_t>(chromaWidth + 2) * (chromaHeight + 2), 128);
    uint8_t* origin() { return bytes.data() + step + 1; }
};

void BM_DCTQuantInv8x8LS_gn(benchmark::State& state)
{
    const auto& components = frame().components;
    Bytes luma(static_cast<size_t>(frameWidth) * frameHeight);
    Bytes cb(static_cast<size_t>(chromaWidth) * chromaHeight), cr(cb.size());
    uint8_t* planes[3] = {luma.data(), cb.data(), cr.data()};
    const int steps[3] = {frameWidth, chromaWidth, chromaWidth};
    for (auto _ : state) {
        for (int c = 0; c < 3; ++c)
            inverseTransformComponent(components[c], planes[c], steps[c]);
        benchmark::ClobberMemory();
    }
    state.counters["blocks"] =
        static_cast<double>(components[0].coefficients.size() / 64 + 2 * components[1].coefficients.size() / 64);
}
BENCHMARK(BM_DCTQuantInv8x8LS_gn)->Unit(benchmark::kMicrosecond);

// Both chroma planes of the frame doubled in width.
void BM_SampleUpH2V1_gn(benchmark::State& state)
{
    BorderedPlane source;
    Bytes target(static_cast<size_t>(frameWidth) * chromaHeight);
    for (auto _ : state) {
        for (int plane = 0; plane < 2; ++plane)
            zfmiSampleUpH2V1_JPEG_8u_C1R_gn(source.origin(), source.step, {chromaWidth, chromaHeight}, target.data(),
                                            frameWidth, {frameWidth, chromaHeight});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SampleUpH2V1_gn)->Unit(benchmark::kMicrosecond);

// Both chroma planes of the frame brought to full size.
void BM_SampleUpH2V2_gn(benchmark::State& state)
{
    BorderedPlane source;
    Bytes target(static_cast<size_t>(frameWidth) * frameHeight);
    for (auto _ : state) {
        for (int plane = 0; plane < 2; ++plane)
            zfmiSampleUpH2V2_JPEG_8u_C1R_gn(source.origin(), source.step, {chromaWidth, chromaHeight}, target.data(),
                                            frameWidth, {frameWidth, frameHeight});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SampleUpH2V2_gn)->Unit(benchmark::kMicrosecond);

void BM_YCbCrToRGB_JPEG_8u_P3C3R_gn(benchmark::State& state)
{
    std::mt19937 random(2);
    Bytes y(static_cast<size_t>(frameWidth) * frameHeight), cb(y.size()), cr(y.size());
    for (Bytes* plane : {&y, &cb, &cr})
        for (auto& v : *plane)
            v = static_cast<uint8_t>(random());
    Bytes rgb(3 * y.size());
    const uint8_t* planes[3] = {y.data(), cb.data(), cr.data()};
    for (auto _ : state) {
        zfmiYCbCrToRGB_JPEG_8u_P3C3R_gn(planes, frameWidth, rgb.data(), 3 * frameWidth, {frameWidth, frameHeight});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_YCbCrToRGB_JPEG_8u_P3C3R_gn)->Unit(benchmark::kMicrosecond);

// The whole transform side of a frame: inverse DCTs, chroma borders, up-sampling, colour.
void BM_TransformChainPerFrame_gn(benchmark::State& state)
{
    const auto& components = frame().components;
    Bytes luma(static_cast<size_t>(frameWidth) * frameHeight), cbFull(luma.size()), crFull(luma.size()),
        rgb(3 * luma.size());
    BorderedPlane cb, cr;
    const uint8_t* planes[3] = {luma.data(), cbFull.data(), crFull.data()};
    for (auto _ : state) {
        inverseTransformComponent(components[0], luma.data(), frameWidth);
        for (int c = 1; c < 3; ++c) {
            BorderedPlane& half = c == 1 ? cb : cr;
            inverseTransformComponent(components[c], half.origin(), half.step);
            for (int yy = 0; yy < chromaHeight; ++yy) {
                uint8_t* row = half.origin() + yy * half.step;
                row[-1] = row[0];
                row[chromaWidth] = row[chromaWidth - 1];
            }
            std::copy_n(half.origin() - 1, chromaWidth + 2, half.origin() - 1 - half.step);
            std::copy_n(half.origin() - 1 + (chromaHeight - 1) * half.step, chromaWidth + 2,
                        half.origin() - 1 + chromaHeight * half.step);
            zfmiSampleUpH2V2_JPEG_8u_C1R_gn(half.origin(), half.step, {chromaWidth, chromaHeight},
                                            c == 1 ? cbFull.data() : crFull.data(), frameWidth,
                                            {frameWidth, frameHeight});
        }
        zfmiYCbCrToRGB_JPEG_8u_P3C3R_gn(planes, frameWidth, rgb.data(), 3 * frameWidth, {frameWidth, frameHeight});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TransformChainPerFrame_gn)->Unit(benchmark::kMicrosecond);

// libjpeg-turbo: the whole decode (entropy decoding included) of the same frame to RGB.
void BM_LibjpegTurboDecodeFrame(benchmark::State& state)
{
    const Bytes& data = frame().data;
    Bytes rgb(static_cast<size_t>(frameWidth) * frameHeight * 3);
    for (auto _ : state) {
        jpeg_decompress_struct dinfo {};
        jpeg_error_mgr error {};
        dinfo.err = jpeg_std_error(&error);
        jpeg_create_decompress(&dinfo);
        jpeg_mem_src(&dinfo, data.data(), data.size());
        jpeg_read_header(&dinfo, TRUE);
        dinfo.dct_method = JDCT_ISLOW;
        dinfo.out_color_space = JCS_RGB;
        jpeg_start_decompress(&dinfo);
        while (dinfo.output_scanline < dinfo.output_height) {
            JSAMPROW row = rgb.data() + static_cast<size_t>(dinfo.output_scanline) * frameWidth * 3;
            jpeg_read_scanlines(&dinfo, &row, 1);
        }
        jpeg_finish_decompress(&dinfo);
        jpeg_destroy_decompress(&dinfo);
        benchmark::ClobberMemory();
    }
    state.counters["jpeg_bytes"] = static_cast<double>(data.size());
}
BENCHMARK(BM_LibjpegTurboDecodeFrame)->Unit(benchmark::kMicrosecond);

// libjpeg-turbo's entropy decoding and inverse DCTs into its raw planes, without up-sampling
// and colour conversion: minus the entropy decoding alone, its inverse DCT time.
void BM_LibjpegTurboDecodeRawPlanes(benchmark::State& state)
{
    const Bytes& data = frame().data;
    Bytes luma(static_cast<size_t>(frameWidth) * 16), cb(static_cast<size_t>(chromaWidth) * 8), cr(cb.size());
    for (auto _ : state) {
        jpeg_decompress_struct dinfo {};
        jpeg_error_mgr error {};
        dinfo.err = jpeg_std_error(&error);
        jpeg_create_decompress(&dinfo);
        jpeg_mem_src(&dinfo, data.data(), data.size());
        jpeg_read_header(&dinfo, TRUE);
        dinfo.dct_method = JDCT_ISLOW;
        dinfo.raw_data_out = TRUE;
        jpeg_start_decompress(&dinfo);
        JSAMPROW lumaRows[16], cbRows[8], crRows[8];
        for (int i = 0; i < 16; ++i)
            lumaRows[i] = luma.data() + i * frameWidth;
        for (int i = 0; i < 8; ++i) {
            cbRows[i] = cb.data() + i * chromaWidth;
            crRows[i] = cr.data() + i * chromaWidth;
        }
        JSAMPARRAY planes[3] = {lumaRows, cbRows, crRows};
        while (dinfo.output_scanline < dinfo.output_height)
            jpeg_read_raw_data(&dinfo, planes, 16);
        jpeg_finish_decompress(&dinfo);
        jpeg_destroy_decompress(&dinfo);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LibjpegTurboDecodeRawPlanes)->Unit(benchmark::kMicrosecond);

// libjpeg-turbo's entropy decoding alone, so its transform share can be told apart.
void BM_LibjpegTurboReadCoefficients(benchmark::State& state)
{
    const Bytes& data = frame().data;
    for (auto _ : state) {
        jpeg_decompress_struct dinfo {};
        jpeg_error_mgr error {};
        dinfo.err = jpeg_std_error(&error);
        jpeg_create_decompress(&dinfo);
        jpeg_mem_src(&dinfo, data.data(), data.size());
        jpeg_read_header(&dinfo, TRUE);
        benchmark::DoNotOptimize(jpeg_read_coefficients(&dinfo));
        jpeg_finish_decompress(&dinfo);
        jpeg_destroy_decompress(&dinfo);
    }
}
BENCHMARK(BM_LibjpegTurboReadCoefficients)->Unit(benchmark::kMicrosecond);

} // namespace
