#include "jpeg_helper.h"

#include "CJPEGDecoder.h"

#include <cstdio>
#include <jpeglib.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace jpegtest {

std::vector<std::uint8_t> fixture(const std::string& name)
{
    std::ifstream in(std::string(VISION_TEST_DATA) + "/" + name, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "missing fixture %s\n", name.c_str());
        std::abort();
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Picture referenceRgb(const std::vector<std::uint8_t>& jpeg)
{
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    Picture picture;
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.pixels.data() + static_cast<std::size_t>(info.output_scanline) * picture.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return picture;
}

Decoded decode(const std::vector<std::uint8_t>& jpeg, const std::vector<int>& codes, std::uint8_t fill)
{
    Decoded result;
    CJPEGDecoder decoder;
    decoder.AttachSource(jpeg.data(), static_cast<std::int32_t>(jpeg.size()));
    result.header = decoder.ReadFrameHeader(result.width, result.height, result.components, result.colour,
                                            result.sampling, result.precision);
    if (result.header != 0)
        return result;
    const std::size_t bytes = static_cast<std::size_t>(result.width) * result.height * 3;
    std::vector<JpegOutputTarget> targets;
    result.images.resize(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        result.images[i].assign(bytes, fill);
        targets.push_back({result.images[i].data(), static_cast<int>(bytes), codes[i]});
    }
    decoder.SetOutputTargets(targets, result.width * 3, result.width, result.height, 3, 8);
    result.decode = decoder.DecodeFrame();
    return result;
}

// Writes bits most significant first with 0xFF bytes stuffed; the end is padded with ones.
class BitWriter
{
public:
    void put(std::uint32_t bits, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            current = static_cast<std::uint8_t>((current << 1) | ((bits >> i) & 1u));
            if (++used == 8)
                flush();
        }
    }
    std::vector<std::uint8_t> finish()
    {
        while (used != 0)
            put(1, 1);
        return bytes;
    }

private:
    void flush()
    {
        bytes.push_back(current);
        if (current == 0xFF)
            bytes.push_back(0);
        current = 0;
        used = 0;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t current = 0;
    int used = 0;
};

// A lossless frame of one component (predictor 1), its Huffman table coding the categories
// 0..16 with five bits each.
std::vector<std::uint8_t> losslessFrame(int precision, int width, int height, const std::vector<int>& samples)
{
    BitWriter writer;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int prediction =
                x > 0 ? samples[y * width + x - 1] : (y > 0 ? samples[(y - 1) * width] : 1 << (precision - 1));
            const int difference = static_cast<std::int16_t>(samples[y * width + x] - prediction);
            const int magnitude = difference < 0 ? -difference : difference;
            int category = 0;
            while (category < 16 && (magnitude >> category) != 0)
                ++category;
            writer.put(static_cast<std::uint32_t>(category), 5);
            if (category > 0 && category < 16)
                writer.put(static_cast<std::uint32_t>(difference < 0 ? difference - 1 : difference)
                               & ((1u << category) - 1),
                           category);
        }
    }
    std::vector<std::uint8_t> jpeg = {0xFF,
                                      0xD8,
                                      0xFF,
                                      0xC3,
                                      0x00,
                                      0x0B,
                                      static_cast<std::uint8_t>(precision),
                                      static_cast<std::uint8_t>(height >> 8),
                                      static_cast<std::uint8_t>(height),
                                      static_cast<std::uint8_t>(width >> 8),
                                      static_cast<std::uint8_t>(width),
                                      1,
                                      1,
                                      0x11,
                                      0};
    std::vector<std::uint8_t> dht = {0xFF, 0xC4, 0x00, 2 + 17 + 17, 0x00, 0, 0, 0, 0, 17, 0,
                                     0,    0,    0,    0,           0,    0, 0, 0, 0, 0};
    for (int symbol = 0; symbol <= 16; ++symbol)
        dht.push_back(static_cast<std::uint8_t>(symbol));
    const std::vector<std::uint8_t> sos = {0xFF, 0xDA, 0x00, 0x08, 1, 1, 0x00, 1, 0, 0};
    jpeg.insert(jpeg.end(), dht.begin(), dht.end());
    jpeg.insert(jpeg.end(), sos.begin(), sos.end());
    const std::vector<std::uint8_t> data = writer.finish();
    jpeg.insert(jpeg.end(), data.begin(), data.end());
    jpeg.push_back(0xFF);
    jpeg.push_back(0xD9);
    return jpeg;
}

int largestDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
{
    if (a.size() != b.size())
        return 256;
    int largest = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        largest = std::max(largest, std::abs(int {a[i]} - int {b[i]}));
    return largest;
}

} // namespace jpegtest
