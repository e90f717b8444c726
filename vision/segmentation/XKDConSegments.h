#pragma once

#include "SegmentRun.h"
#include "XKDContainer.h"

#include <array>
#include <cstdint>
#include <vector>

// The colour segmenter's result attached to an image: the runs in raster order and the
// regions they form.
class XKDConSegments : public XKDContainer
{
public:
    static constexpr int regionLimit = 2000;
    static constexpr int maximumClasses = 32;
    using Colour = std::array<std::uint8_t, 3>; // red, green, blue

    XKDConSegments(XKDImage* owner, const std::string& name);
    void assign(const XKDContainer& other) override;
    void clear() override;

    // Paints into width x height x 3 bytes of the owner's size, painted pixels blue, green,
    // red: the owner's pixels (copyImage) or white, then one region (region != -1) or, unless
    // onlyRegion, every run in its class colour.
    void render(std::uint8_t* target, bool copyImage, int region, bool onlyRegion) const;
    // The largest region of the class with at least minArea pixels, its centre computed and
    // copied to out; -1 when there is none.
    int largestRegion(int classIndex, SegmentRegion& out, std::uint32_t minArea);
    void centreOfMass(int region);

    std::vector<SegmentRegion> regions;
    int regionCount = 0;
    std::vector<SegmentRun> runs;
    int runCount = 0;
    int selectedRegion = -1;
    int classCount = 0;
    std::array<Colour, maximumClasses> classColours {};

private:
    void paintRun(std::uint8_t* target, int width, const SegmentRun& run) const;
};
