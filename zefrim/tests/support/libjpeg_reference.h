// libjpeg-turbo as the reference codec of the JPEG tests and benchmarks: it writes JPEG data from
// pixels, decodes it to pixels and reads its quantised coefficients.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio> // before jpeglib.h, which uses FILE
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace libjpegref {

using Bytes = std::vector<uint8_t>;

struct WriteOptions {
    int width = 64;
    int height = 48;
    int components = 3; // 3: RGB written as YCbCr 4:2:0, 1: grey
    int quality = 90;
    bool progressive = false;
    bool optimize = false;
    int restartInterval = 0; // in MCUs
};

// pixels: width x height x components bytes, row after row.
inline Bytes compress(const Bytes& pixels, const WriteOptions& o)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(o.width);
    cinfo.image_height = static_cast<JDIMENSION>(o.height);
    cinfo.input_components = o.components;
    cinfo.in_color_space = o.components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, o.quality, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    if (o.progressive)
        jpeg_simple_progression(&cinfo);
    cinfo.optimize_coding = o.optimize ? TRUE : FALSE;
    cinfo.restart_interval = static_cast<unsigned>(o.restartInterval);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + static_cast<size_t>(cinfo.next_scanline) *
                                                                o.width * o.components);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes data(buffer, buffer + size);
    free(buffer);
    return data;
}

// The whole decode with the accurate integer transform and smooth up-sampling into pixels, which
// holds width x height x components bytes (grey or RGB).
inline void decodeInto(const Bytes& data, int components, Bytes& pixels)
{
    jpeg_decompress_struct dinfo{};
    jpeg_error_mgr error{};
    dinfo.err = jpeg_std_error(&error);
    jpeg_create_decompress(&dinfo);
    jpeg_mem_src(&dinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&dinfo, TRUE);
    dinfo.dct_method = JDCT_ISLOW;
    dinfo.do_fancy_upsampling = TRUE;
    dinfo.out_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&dinfo);
    const size_t rowBytes = static_cast<size_t>(dinfo.output_width) * components;
    pixels.resize(rowBytes * dinfo.output_height);
    while (dinfo.output_scanline < dinfo.output_height) {
        JSAMPROW row = pixels.data() + static_cast<size_t>(dinfo.output_scanline) * rowBytes;
        jpeg_read_scanlines(&dinfo, &row, 1);
    }
    jpeg_finish_decompress(&dinfo);
    jpeg_destroy_decompress(&dinfo);
}

inline Bytes decode(const Bytes& data, int components)
{
    Bytes pixels;
    decodeInto(data, components, pixels);
    return pixels;
}

// One component's quantised coefficients, natural order, widthInBlocks x heightInBlocks blocks row
// by row, and its quantisation steps (natural order).
struct ComponentCoefficients {
    int widthInBlocks = 0;
    int heightInBlocks = 0;
    std::vector<int16_t> blocks;
    uint16_t quantisers[64] = {};
    const int16_t* block(int bx, int by) const
    {
        return blocks.data() + (static_cast<size_t>(by) * widthInBlocks + bx) * 64;
    }
};

inline std::vector<ComponentCoefficients> readCoefficients(const Bytes& data)
{
    jpeg_decompress_struct dinfo{};
    jpeg_error_mgr error{};
    dinfo.err = jpeg_std_error(&error);
    jpeg_create_decompress(&dinfo);
    jpeg_mem_src(&dinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&dinfo, TRUE);
    jvirt_barray_ptr* arrays = jpeg_read_coefficients(&dinfo);
    std::vector<ComponentCoefficients> result(static_cast<size_t>(dinfo.num_components));
    for (int c = 0; c < dinfo.num_components; ++c) {
        const jpeg_component_info& info = dinfo.comp_info[c];
        ComponentCoefficients& out = result[static_cast<size_t>(c)];
        out.widthInBlocks = static_cast<int>(info.width_in_blocks);
        out.heightInBlocks = static_cast<int>(info.height_in_blocks);
        for (int i = 0; i < 64; ++i)
            out.quantisers[i] = info.quant_table->quantval[i];
        out.blocks.resize(static_cast<size_t>(out.widthInBlocks) * out.heightInBlocks * 64);
        for (int by = 0; by < out.heightInBlocks; ++by) {
            JBLOCKARRAY row = dinfo.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&dinfo), arrays[c],
                                                            static_cast<JDIMENSION>(by), 1, FALSE);
            for (int bx = 0; bx < out.widthInBlocks; ++bx)
                std::copy_n(row[0][bx], 64,
                            out.blocks.data() + (static_cast<size_t>(by) * out.widthInBlocks + bx) * 64);
        }
    }
    jpeg_finish_decompress(&dinfo);
    jpeg_destroy_decompress(&dinfo);
    return result;
}

} // namespace libjpegref
