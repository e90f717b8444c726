#pragma once

#include <cstdint>
#include <vector>

class XKDImage;

// The line detector's edge-strength image: grey plane, Sobel responses, their squares, the
// thresholded magnitude, and the column sums over a band of rows.
class LineEdgeImage
{
public:
    LineEdgeImage() = default;
    ~LineEdgeImage();
    LineEdgeImage(const LineEdgeImage&) = delete;
    LineEdgeImage& operator=(const LineEdgeImage&) = delete;

    // False when a buffer could not be allocated; the image is then empty.
    bool resize(int width, int height);
    bool compute(const XKDImage& image, int threshold);
    // The column with the largest magnitude sum over rows first..last whose summed response
    // has the asked sign; -1 when none.
    int findEdgeColumn(int first, int last, bool positive);
    // Writes the 8-bit edge image into all three channels of a pool image of the same size.
    void toImage(XKDImage& image) const;
    void freeBuffers();

    int width() const { return m_width; }
    int height() const { return m_height; }
    const std::uint8_t* grey() const { return m_grey; }
    const std::int16_t* magnitude() const { return m_magnitude; }

private:
    void padGrey();
    void sobel();

    int m_width = 0;
    int m_height = 0;
    std::uint8_t* m_grey = nullptr;
    // The grey plane with a replicated one-pixel border, so the 3 x 3 filters stay inside.
    std::uint8_t* m_padded = nullptr;
    std::int16_t* m_horizontal = nullptr;
    std::int16_t* m_vertical = nullptr;
    std::int16_t* m_horizontalSquare = nullptr;
    std::int16_t* m_magnitude = nullptr;
    // 32-bit: 16-bit sums wrap for bands of a few dozen strong rows.
    std::vector<std::int32_t> m_responseSums;
    std::vector<std::int32_t> m_magnitudeSums;
};
