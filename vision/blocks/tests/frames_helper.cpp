#include "frames_helper.h"

#include "JpegFrameDecoder.h"
#include "JpegOutputTarget.h"
#include "SegmentDescription.h"

#include <cstdio>
#include <jpeglib.h>

namespace visiontest {

Frame::Frame(int width, int height, Rgb fill)
    : width(width), height(height), pixels(static_cast<std::size_t>(3 * width * height))
{
    fillRect(0, 0, width, height, fill);
}

void Frame::fillRect(int x, int y, int w, int h, Rgb colour)
{
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column)
            for (int c = 0; c < 3; ++c)
                pixels[static_cast<std::size_t>(3 * (row * width + column) + c)] = colour[static_cast<std::size_t>(c)];
}

std::vector<std::uint8_t> Frame::jpeg() const
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    for (int c = 0; c < 3; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<std::uint8_t*>(pixels.data() + 3 * width * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> result(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return result;
}

Frame PatchFrame::frame() const
{
    Frame result(320 * scale, 240 * scale, background);
    result.fillRect(left(), top(), size(), size(), patch);
    return result;
}

Frame edgeFrame(int width, int height, int edge)
{
    Frame result(width, height, Rgb {40, 40, 40});
    result.fillRect(0, 0, edge, height, Rgb {210, 210, 210});
    return result;
}

Rgb decodedPixel(const std::vector<std::uint8_t>& jpeg, int format, int x, int y)
{
    static constexpr int codes[4] = {JpegOutputTarget::RGB, JpegOutputTarget::YCbCr, JpegOutputTarget::HSV,
                                     JpegOutputTarget::HLS};
    JpegFrameDecoder decoder;
    int width = 0;
    int height = 0;
    if (!decoder.setSource(jpeg.data(), static_cast<int>(jpeg.size())) || !decoder.readHeader())
        return {};
    decoder.size(width, height);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(3 * width * height));
    JpegOutputTarget target;
    target.data = pixels.data();
    target.size = static_cast<int>(pixels.size());
    target.code = codes[format];
    if (!decoder.setOutputs({target}) || !decoder.decode())
        return {};
    const std::size_t at = static_cast<std::size_t>(3 * (y * width + x));
    return {pixels[at], pixels[at + 1], pixels[at + 2]};
}

int Program::node(int maintype, int subtype, const QString& parameters)
{
    const int id = nextNode++;
    nodes +=
        QStringLiteral("<node id=\"%1\" maintype=\"%2\" subtype=\"%3\" identifier=\"\" active=\"1\"><name>n%1</name>%4"
                       "<workspace><position x=\"%5\" y=\"%6\"/></workspace></node>\n")
            .arg(id)
            .arg(maintype)
            .arg(subtype)
            .arg(parameters)
            .arg(60 + 200 * (id % 5))
            .arg(60 + 150 * (id / 5));
    return id;
}

void Program::net(int from, int fromChannel, int to, int toChannel)
{
    nets += QStringLiteral("<net id=\"%1\"><slot nodeid=\"%2\" channel=\"%3\" position=\"2\" id=\"100\"/>"
                           "<slot nodeid=\"%4\" channel=\"%5\" position=\"1\" id=\"101\"/>"
                           "<line startid=\"100\" endid=\"101\"/></net>\n")
                .arg(nextNet++)
                .arg(from)
                .arg(fromChannel)
                .arg(to)
                .arg(toChannel);
}

QByteArray Program::text() const
{
    return (QStringLiteral("<?xml version=\"1.0\"?>\n<model type=\"state\"><info/>\n") + nodes + nets
            + QStringLiteral("</model>\n"))
        .toUtf8();
}

QString param(const QString& name, const QString& value)
{
    return QStringLiteral("<param name=\"%1\">%2</param>").arg(name, value);
}

QString segmentParameters(const Rgb& colour, int format, int margin)
{
    SegmentDescription segment;
    for (int c = 0; c < 3; ++c)
        for (int d = -margin; d <= margin; ++d)
            segment.valueSet(c).set(static_cast<std::uint8_t>((colour[static_cast<std::size_t>(c)] + d) & 0xFF), true);
    return param(QStringLiteral("numberSegments"), QStringLiteral("1"))
        + param(QStringLiteral("name1"), QStringLiteral("patch"))
        + param(QStringLiteral("meanColor1"), QStringLiteral("16711680"))
        + param(QStringLiteral("colorIndex1"), QString::fromStdString(segment.colorIndexText()))
        + param(QStringLiteral("colorFormat1"), QString::number(format))
        + param(QStringLiteral("channelsUsed1"), QStringLiteral("7"))
        + param(QStringLiteral("editSegmentsShown"), QStringLiteral("0"));
}

} // namespace visiontest
