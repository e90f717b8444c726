#include "XKDConSegments.h"

#include "XKDImage.h"

#include <cstring>

XKDConSegments::XKDConSegments(XKDImage* owner, const std::string& name)
    : XKDContainer(owner, Segments, name), regions(regionLimit)
{
}

void XKDConSegments::clear()
{
    runs.clear();
    runCount = 0;
    regionCount = 0;
    classCount = 0;
    selectedRegion = -1;
}

void XKDConSegments::assign(const XKDContainer& other)
{
    clear();
    if (other.type() != Segments)
        return;
    const auto& source = static_cast<const XKDConSegments&>(other);
    regionCount = source.regionCount;
    regions = source.regions;
    runs = source.runs;
    runCount = source.runCount;
    classCount = source.classCount;
    classColours = source.classColours;
    selectedRegion = source.selectedRegion;
}

void XKDConSegments::paintRun(std::uint8_t* target, int width, const SegmentRun& run) const
{
    const Colour& colour = classColours[run.classIndex % maximumClasses];
    std::uint8_t* pixel = target + 3 * (static_cast<std::size_t>(run.y) * width + run.x);
    for (int i = 0; i < run.length; ++i, pixel += 3) {
        pixel[0] = colour[2];
        pixel[1] = colour[1];
        pixel[2] = colour[0];
    }
}

void XKDConSegments::render(std::uint8_t* target, bool copyImage, int region, bool onlyRegion) const
{
    const XKDImage* image = owner();
    if (!image || !target)
        return;
    const int width = image->width();
    const std::size_t bytes = static_cast<std::size_t>(width) * image->height() * 3;
    if (copyImage && image->data())
        std::memcpy(target, image->data(), bytes);
    else
        std::memset(target, 255, bytes);
    if (runCount == 0)
        return;
    if (region != -1 && region >= 0 && static_cast<std::size_t>(region) < regions.size()) {
        for (int i = 0; i < runCount; ++i) {
            if (runs[i].region == static_cast<std::uint32_t>(region))
                paintRun(target, width, runs[i]);
        }
        return;
    }
    if (onlyRegion)
        return;
    for (int i = 0; i < runCount; ++i)
        paintRun(target, width, runs[i]);
}

void XKDConSegments::centreOfMass(int region)
{
    if (region < 0 || region >= regionCount)
        return;
    std::uint64_t sumX = 0;
    std::uint64_t sumY = 0;
    for (int i = 0; i < runCount; ++i) {
        const SegmentRun& run = runs[i];
        if (run.region != static_cast<std::uint32_t>(region))
            continue;
        const std::uint64_t length = run.length;
        sumX += length * run.x + length * (length - 1) / 2;
        sumY += length * run.y;
    }
    SegmentRegion& r = regions[static_cast<std::size_t>(region)];
    if (r.area == 0)
        return;
    r.centreX = static_cast<std::uint16_t>(sumX / r.area);
    r.centreY = static_cast<std::uint16_t>(sumY / r.area);
}

int XKDConSegments::largestRegion(int classIndex, SegmentRegion& out, std::uint32_t minArea)
{
    selectedRegion = -1;
    if (regionCount == 0 || classIndex < 0)
        return -1;
    int best = -1;
    std::uint32_t bestArea = 0;
    for (int i = 0; i < regionCount; ++i) {
        const SegmentRegion& r = regions[static_cast<std::size_t>(i)];
        if (r.classIndex == classIndex && r.area > bestArea) {
            best = i;
            bestArea = r.area;
        }
    }
    selectedRegion = best;
    if (best < 0)
        return -1;
    if (bestArea < minArea) {
        selectedRegion = -1;
        return -1;
    }
    centreOfMass(best);
    out = regions[static_cast<std::size_t>(best)];
    return best;
}
