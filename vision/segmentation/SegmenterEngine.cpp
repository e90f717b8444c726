#include "SegmenterEngine.h"

#include "XKDConSegments.h"
#include "XKDImage.h"

#include <bit>
#include <cstring>

void SegmenterEngine::setSegments(const SegmentList& list)
{
    std::memset(table, 0, sizeof table);
    classColours = {};
    m_classCount = static_cast<int>(std::min<std::size_t>(list.size(), maximumClasses));
    int i = 0;
    for (const SegmentDescription& description : list) {
        if (i >= m_classCount)
            break;
        const std::uint32_t bit = 1u << i;
        for (int c = 0; c < 3; ++c) {
            const bool used = description.isChannelUsed(c);
            for (int v = 0; v < 256; ++v) {
                if (!used || description.valueSet(c).test(static_cast<std::uint8_t>(v)))
                    table[v][c] |= bit;
            }
        }
        classColours[static_cast<std::size_t>(i)] = description.meanColor();
        ++i;
    }
}

void SegmenterEngine::resize(int newWidth, int newHeight)
{
    runs.assign(static_cast<std::size_t>(newWidth) * newHeight, SegmentRun());
    labels.assign(static_cast<std::size_t>(newWidth), -1);
    width = newWidth;
    height = newHeight;
}

void SegmenterEngine::segment(XKDImage& image)
{
    if (image.width() != width || image.height() != height)
        resize(image.width(), image.height());
    auto* result = static_cast<XKDConSegments*>(image.container(XKDContainer::Segments, std::string()));
    result->setName("segmenter");
    if (m_classCount == 0) {
        result->clear();
        return;
    }
    result->classCount = m_classCount;
    for (int i = 0; i < maximumClasses; ++i)
        result->classColours[static_cast<std::size_t>(i)] = classColours[static_cast<std::size_t>(i)];
    labelPixels(image.data());

    result->runs.assign(runs.begin(), runs.begin() + runCount);
    result->runCount = static_cast<int>(runCount);
    // Regions in the raster order of their first run; a run's parent is always earlier.
    int regionCount = 0;
    bool full = false;
    for (SegmentRun& run : result->runs) {
        if (run.region == SegmentRun::noRegion) {
            if (full || regionCount == XKDConSegments::regionLimit) {
                full = true;
                continue;
            }
            SegmentRegion& region = result->regions[static_cast<std::size_t>(regionCount)];
            region = SegmentRegion {run.length, 0, 0, run.classIndex};
            run.region = static_cast<std::uint32_t>(regionCount++);
        } else {
            const std::uint32_t region = result->runs[run.region].region;
            run.region = region;
            if (full || region == SegmentRun::noRegion) {
                run.region = SegmentRun::noRegion;
                continue;
            }
            result->regions[region].area += run.length;
        }
    }
    result->regionCount = regionCount;
    result->selectedRegion = -1;
}

void SegmenterEngine::labelPixels(const std::uint8_t* pixels)
{
    runCount = 0;
    std::fill(labels.begin(), labels.end(), -1);
    for (int y = 0; y < height; ++y) {
        bool open = false;
        std::uint32_t current = 0;
        for (int x = 0; x < width; ++x, pixels += 3) {
            const std::uint32_t mask = table[pixels[0]][0] & table[pixels[1]][1] & table[pixels[2]][2];
            if (mask == 0) {
                if (open) {
                    closeRun(current);
                    open = false;
                }
                labels[static_cast<std::size_t>(x)] = -1;
                continue;
            }
            const auto classIndex = static_cast<std::uint8_t>(std::countr_zero(mask));
            if (open && runs[current].classIndex == classIndex) {
                ++runs[current].length;
                continue;
            }
            if (open)
                closeRun(current);
            current = runCount++;
            runs[current] = SegmentRun {SegmentRun::noRegion, 1, classIndex, static_cast<std::uint16_t>(x),
                                        static_cast<std::uint16_t>(y)};
            open = true;
        }
        if (open)
            closeRun(current);
    }
}

void SegmenterEngine::closeRun(std::uint32_t index)
{
    const SegmentRun& run = runs[index];
    const int end = run.x + run.length;
    for (int x = run.x; x < end;) {
        const std::int32_t above = labels[static_cast<std::size_t>(x)];
        if (above < 0) {
            ++x;
            continue;
        }
        const SegmentRun& upper = runs[static_cast<std::size_t>(above)];
        if (upper.classIndex == run.classIndex)
            link(index, static_cast<std::uint32_t>(above));
        x = upper.x + upper.length;
    }
    for (int x = run.x; x < end; ++x)
        labels[static_cast<std::size_t>(x)] = static_cast<std::int32_t>(index);
}

std::uint32_t SegmenterEngine::root(std::uint32_t run)
{
    while (runs[run].region != SegmentRun::noRegion) {
        const std::uint32_t parent = runs[run].region;
        // Path halving keeps the trees flat; parents stay earlier than their children.
        if (runs[parent].region != SegmentRun::noRegion)
            runs[run].region = runs[parent].region;
        run = parent;
    }
    return run;
}

void SegmenterEngine::link(std::uint32_t a, std::uint32_t b)
{
    const std::uint32_t rootA = root(a);
    const std::uint32_t rootB = root(b);
    if (rootA == rootB)
        return;
    if (rootA > rootB)
        runs[rootA].region = rootB;
    else
        runs[rootB].region = rootA;
}
