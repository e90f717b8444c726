#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Frames made for the vision block tests, and workspace files that wire the vision blocks.
namespace visiontest {

using Rgb = std::array<std::uint8_t, 3>;

struct Frame
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // RGB, rows without gaps

    Frame(int width, int height, Rgb fill);
    void fillRect(int x, int y, int w, int h, Rgb colour);
    // Quality 100 with full-resolution colour, so the colours survive the encoding.
    std::vector<std::uint8_t> jpeg() const;
};

// The background, red patch and frame geometry of the segmentation frames, per size class 0/1.
struct PatchFrame
{
    static constexpr Rgb background {30, 40, 190};
    static constexpr Rgb patch {220, 30, 30};
    int scale = 1; // 1 for 320 x 240, 2 for 640 x 480
    int left() const { return 80 * scale; }
    int top() const { return 64 * scale; }
    int size() const { return 48 * scale; }
    Frame frame() const;
};

// Left part bright, right part dark; the step between columns edge - 1 and edge.
Frame edgeFrame(int width, int height, int edge);

// The patch's decoded pixel in colour format `format` (0..3), as the camera delivers it.
Rgb decodedPixel(const std::vector<std::uint8_t>& jpeg, int format, int x, int y);

// One workspace element list builder.
class Program
{
public:
    int node(int maintype, int subtype, const QString& parameters = QString());
    // A net from output `fromChannel` of `from` to input `toChannel` of `to`.
    void net(int from, int fromChannel, int to, int toChannel);
    QByteArray text() const;

private:
    QString nodes;
    QString nets;
    int nextNode = 1;
    int nextNet = 1;
};

QString param(const QString& name, const QString& value);
// Segmenter parameters of one class accepting values within +-margin of each channel of colour.
QString segmentParameters(const Rgb& colour, int format, int margin);

} // namespace visiontest
