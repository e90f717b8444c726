// jpegcheck FILE [--out PREFIX]: reads the frame header of a JPEG file and decodes it with the
// camera decoder; prints one line of what it found, and with --out writes the five outputs as
// PPM files (three bytes a pixel as the decoder writes them). Exit status 0 when the decode
// returned 0.

#include "CJPEGDecoder.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Output
{
    const char* suffix;
    int code;
};

constexpr Output outputs[] = {{"rgb", JpegOutputTarget::RGB},
                              {"ycbcr", JpegOutputTarget::YCbCr},
                              {"bgr", JpegOutputTarget::BGR},
                              {"hsv", JpegOutputTarget::HSV},
                              {"hls", JpegOutputTarget::HLS}};

bool readFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool writePpm(const std::string& path, const std::vector<std::uint8_t>& pixels, int width, int height)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

int usage()
{
    std::fprintf(stderr, "usage: jpegcheck FILE [--out PREFIX]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string path;
    std::string prefix;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--out" && i + 1 < argc)
            prefix = argv[++i];
        else if (path.empty() && argument.rfind("--", 0) != 0)
            path = argument;
        else
            return usage();
    }
    if (path.empty())
        return usage();
    std::vector<std::uint8_t> bytes;
    if (!readFile(path, bytes)) {
        std::fprintf(stderr, "jpegcheck: cannot read %s\n", path.c_str());
        return 1;
    }
    CJPEGDecoder decoder;
    decoder.AttachSource(bytes.data(), static_cast<std::int32_t>(bytes.size()));
    int width = 0, height = 0, components = 0, colour = 0, sampling = 0, precision = 0;
    const int header = decoder.ReadFrameHeader(width, height, components, colour, sampling, precision);
    int decode = header;
    std::vector<std::vector<std::uint8_t>> images;
    if (header == 0) {
        const std::size_t frameBytes = static_cast<std::size_t>(width) * height * 3;
        std::vector<JpegOutputTarget> targets;
        images.resize(prefix.empty() ? 1 : std::size(outputs));
        for (std::size_t i = 0; i < images.size(); ++i) {
            images[i].assign(frameBytes, 0);
            targets.push_back({images[i].data(), static_cast<int>(frameBytes), outputs[i].code});
        }
        decoder.SetOutputTargets(targets, width * 3, width, height, 3, 8);
        decode = decoder.DecodeFrame();
    }
    std::printf("width %d height %d components %d sampling %d colour %d header %d decode %d\n", width, height,
                components, sampling, colour, header, decode);
    if (!prefix.empty()) {
        for (std::size_t i = 0; i < images.size(); ++i)
            writePpm(prefix + "-" + outputs[i].suffix + ".ppm", images[i], width, height);
    }
    return decode == 0 ? 0 : 1;
}
