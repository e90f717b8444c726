#pragma once

#include "SegmentDescription.h"
#include "SegmentRun.h"

#include <array>
#include <cstdint>
#include <vector>

class XKDImage;

// Classifies every pixel into one of up to 32 colour classes by table lookup, groups the
// pixels of each row into runs and joins touching runs of one class into regions. The result
// goes into the image's "segmenter" container.
class SegmenterEngine
{
public:
    static constexpr int maximumClasses = 32;

    void setSegments(const SegmentList& list);
    void segment(XKDImage& image);
    void resize(int width, int height);
    int classCount() const { return m_classCount; }

private:
    void labelPixels(const std::uint8_t* pixels);
    void closeRun(std::uint32_t index);
    std::uint32_t root(std::uint32_t run);
    void link(std::uint32_t a, std::uint32_t b);

    std::vector<SegmentRun> runs;
    std::vector<std::int32_t> labels;
    std::uint32_t runCount = 0;
    int m_classCount = 0;
    std::uint32_t table[256][3] = {};
    std::array<std::array<std::uint8_t, 3>, maximumClasses> classColours {};
    int width = 0;
    int height = 0;
};
