// Sequential Huffman block decoding (generic build, as the camera decoder calls it) over one
// 640x480 4:2:0 frame that libjpeg-turbo wrote at quality 75: 1200 MCUs of four luma and two
// chroma blocks. One iteration is one frame. Beside it, libjpeg-turbo reading the same frame's
// coefficients, which is mostly its own Huffman decoding (JSIMD_FORCENONE=1 for its plain C).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

#include "builds.h"
#include "zefrim_jpeg_frame.h"

namespace {

constexpr int mcus = (frameWidth / 16) * (frameHeight / 16);
constexpr int blocksPerMcu = 6;

// Caller-held buffer of the size the library reports.
template <class T>
struct Buffer
{
    explicit Buffer(int32_t bytes) : storage((static_cast<size_t>(bytes) + 7) / 8) { }
    T* get() { return reinterpret_cast<T*>(storage.data()); }
    std::vector<uint64_t> storage;
};

// The frame with its decode tables (index 0 luma, 1 chroma) and where its scan data start.
struct Frame
{
    Bytes data = compressFrame(makeFrame());
    Buffer<DecodeHuffmanSpec> dcSpecs[2] = {Buffer<DecodeHuffmanSpec>(1644), Buffer<DecodeHuffmanSpec>(1644)};
    Buffer<DecodeHuffmanSpec> acSpecs[2] = {Buffer<DecodeHuffmanSpec>(1644), Buffer<DecodeHuffmanSpec>(1644)};
    int32_t scanStart = 0;

    Frame()
    {
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
};

Frame& frame()
{
    static Frame f;
    return f;
}

// Decodes every block of the frame; false when a block fails.
bool decodeFrame(Frame& f, DecodeHuffmanState* decoderState, int16_t* coefficients)
{
    zfmiDecodeHuffmanStateInit_JPEG_8u_gn(decoderState);
    const int32_t length = static_cast<int32_t>(f.data.size());
    int32_t position = f.scanStart;
    int32_t marker = 0;
    int16_t predictors[3] = {};
    bool ok = true;
    int16_t* block = coefficients;
    for (int m = 0; m < mcus; ++m)
        for (int b = 0; b < blocksPerMcu; ++b, block += 64) {
            const int component = b < 4 ? 0 : b - 3;
            const int table = component == 0 ? 0 : 1;
            ok &= zfmiDecodeHuffman8x8_JPEG_1u16s_C1_gn(f.data.data(), length, &position, block, &predictors[component],
                                                        &marker, f.dcSpecs[table].get(), f.acSpecs[table].get(),
                                                        decoderState)
                >= 0;
        }
    return ok;
}

void DecodeHuffman8x8(benchmark::State& state)
{
    Frame& f = frame();
    Buffer<DecodeHuffmanState> decoderState(24);
    std::vector<int16_t> coefficients(static_cast<size_t>(mcus) * blocksPerMcu * 64);
    if (!decodeFrame(f, decoderState.get(), coefficients.data())) {
        state.SkipWithError("the frame does not decode");
        return;
    }
    for (auto _ : state) {
        decodeFrame(f, decoderState.get(), coefficients.data());
        benchmark::DoNotOptimize(coefficients.data());
        benchmark::ClobberMemory();
    }
    state.counters["frame_bytes"] = static_cast<double>(f.data.size());
}

void LibjpegReadCoefficients(benchmark::State& state)
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

} // namespace

BENCHMARK(DecodeHuffman8x8)->Unit(benchmark::kMicrosecond);
BENCHMARK(LibjpegReadCoefficients)->Unit(benchmark::kMicrosecond);
