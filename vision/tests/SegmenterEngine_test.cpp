// Segment descriptions, value sets and the segmentation engine's runs and regions.
#include "SegmentDescription.h"
#include "SegmenterEngine.h"
#include "XKDConSegments.h"
#include "XKDWorkImage.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <set>

namespace {

// ---- Value sets and descriptions --------------------------------------------------------------

ChannelValueSet setOf(std::initializer_list<int> values)
{
    ChannelValueSet set;
    for (int v : values)
        set.set(static_cast<std::uint8_t>(v), true);
    return set;
}

ChannelValueSet range(int first, int last)
{
    ChannelValueSet set;
    for (int v = first; v <= last; ++v)
        set.set(static_cast<std::uint8_t>(v), true);
    return set;
}

TEST(ChannelValueSet, HexText)
{
    EXPECT_EQ(setOf({0}).toHex(), "00000001" + std::string(56, '0'));
    EXPECT_EQ(setOf({255}).toHex(), std::string(56, '0') + "80000000");
    ChannelValueSet read;
    EXPECT_FALSE(read.fromHex(std::string(63, '0')));
    ASSERT_TRUE(read.fromHex("0000zzzz000000ff" + std::string(48, '0')));
    EXPECT_EQ(read.words[0], 0u);
    EXPECT_EQ(read.words[1], 255u);
}

TEST(SegmentDescription, TextsOfADefaultDescription)
{
    SegmentDescription d;
    EXPECT_EQ(d.colorIndexText(), std::string(192, '0'));
    EXPECT_EQ(d.channelsUsedText(), "7");
}

TEST(SegmentDescription, ChannelsUsedText)
{
    struct Case
    {
        const char* text;
        const char* read;
    };
    const Case cases[] = {{"9", "1"}, {"-1", "7"}, {"", "0"}, {"5x", "5"}, {"abc", "0"}};
    for (const Case& c : cases) {
        SegmentDescription d;
        d.setChannelsUsedText(c.text);
        EXPECT_EQ(d.channelsUsedText(), c.read) << c.text;
    }
}

TEST(SegmentDescription, ColorIndexTextLengthAndCase)
{
    SegmentDescription d;
    d.valueSet(1) = setOf({0, 200});
    const std::string text = d.colorIndexText();
    SegmentDescription read;
    EXPECT_FALSE(read.setColorIndexText(text.substr(1)));
    EXPECT_FALSE(read.setColorIndexText(text + "0"));
    std::string upper = text;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_TRUE(read.setColorIndexText(upper));
    EXPECT_EQ(read.valueSet(1), d.valueSet(1));
    EXPECT_EQ(read.colorIndexText(), text);
}

TEST(SegmentDescription, WideningAndNarrowing)
{
    struct Case
    {
        ChannelValueSet before;
        int n;
        ChannelValueSet after;
        const char* what;
    };
    const Case cases[] = {
        {setOf({100}), 1, setOf({99, 100, 101}), "widen 100"},
        {setOf({254}), 1, setOf({253, 254, 255}), "widen 254"},
        {setOf({0}), 2, setOf({0, 1, 2}), "widen 0"},
        {range(100, 110), -1, range(101, 109), "narrow 100..110"},
        {range(0, 5), -1, range(1, 4), "narrow 0..5"},
        {range(250, 255), -1, range(251, 255), "narrow 250..255 keeps the top"},
        {setOf({128}), -1, ChannelValueSet(), "narrow a single value"},
        {range(10, 13), -2, ChannelValueSet(), "narrow a run of 2m"},
        {setOf({10, 14}), 1, setOf({9, 10, 11, 13, 14, 15}), "widen two runs"},
    };
    for (const Case& c : cases) {
        SegmentDescription d;
        d.valueSet(2) = c.before;
        d.setWidening(2, c.n);
        d.applyWidening();
        EXPECT_EQ(d.valueSet(2), c.after) << c.what;
        EXPECT_EQ(d.widening(2), 0);
        d.applyWidening();
        EXPECT_EQ(d.valueSet(2), c.after) << c.what << " (second call)";
    }
}

TEST(SegmentDescription, MergeValuesKeepsTheRest)
{
    SegmentDescription a, b;
    a.setName("ball");
    a.valueSet(0) = setOf({1});
    b.valueSet(0) = setOf({2});
    b.setColorFormat(2);
    a.mergeValues(b);
    EXPECT_EQ(a.valueSet(0), setOf({1, 2}));
    EXPECT_EQ(a.name(), "ball");
    EXPECT_EQ(a.colorFormat(), 0);
}

TEST(SegmentList, SwapAndPositions)
{
    SegmentList list(3);
    int i = 0;
    for (SegmentDescription& d : list)
        d.setName(std::to_string(i++));
    EXPECT_TRUE(swapSegments(list, 2, 2));
    EXPECT_FALSE(swapSegments(list, 0, 5));
    EXPECT_TRUE(swapSegments(list, 0, 2));
    EXPECT_EQ(segmentAt(list, 0)->name(), "2");
    EXPECT_EQ(segmentAt(list, 2)->name(), "0");
    EXPECT_EQ(segmentAt(list, 3), list.end());
    SegmentList two(2);
    EXPECT_TRUE(swapSegments(two, 2, 2));
}

// ---- Engine -----------------------------------------------------------------------------------

// Pixels drawn as text: '.' no class, 'a'... class 0... (channel 0 = 10 + 10 x class).
std::unique_ptr<XKDImage> imageOf(const std::vector<std::string>& rows)
{
    const int width = static_cast<int>(rows[0].size());
    std::unique_ptr<XKDImage> image(createWorkImage(width, static_cast<int>(rows.size()), 3, ColorFormat_t::RGB));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = image->data() + 3 * (y * width + static_cast<std::size_t>(x));
            const char c = rows[y][static_cast<std::size_t>(x)];
            pixel[0] = c == '.' ? 0 : static_cast<std::uint8_t>(10 + 10 * (c - 'a'));
            pixel[1] = 0;
            pixel[2] = 0;
        }
    }
    return image;
}

SegmentList classes(int count)
{
    SegmentList list;
    for (int k = 0; k < count; ++k) {
        SegmentDescription d;
        d.valueSet(0) = setOf({10 + 10 * k});
        d.setChannelUsed(1, false);
        d.setChannelUsed(2, false);
        d.setMeanColor({static_cast<std::uint8_t>(k), 100, 200});
        list.push_back(d);
    }
    return list;
}

XKDConSegments& segmentOf(XKDImage& image, int classCount = 3)
{
    SegmenterEngine engine;
    engine.setSegments(classes(classCount));
    engine.segment(image);
    return *static_cast<XKDConSegments*>(image.findContainer(XKDContainer::Segments, "segmenter"));
}

// Invariants of every result: raster order, regions cover their runs, areas add up.
void expectSound(const XKDConSegments& result)
{
    std::vector<std::uint32_t> areas(static_cast<std::size_t>(result.regionCount), 0);
    for (int i = 0; i < result.runCount; ++i) {
        const SegmentRun& run = result.runs[static_cast<std::size_t>(i)];
        if (i > 0) {
            const SegmentRun& before = result.runs[static_cast<std::size_t>(i - 1)];
            EXPECT_TRUE(before.y < run.y || (before.y == run.y && before.x + before.length <= run.x));
        }
        if (run.region != SegmentRun::noRegion) {
            ASSERT_LT(run.region, static_cast<std::uint32_t>(result.regionCount));
            areas[run.region] += run.length;
            EXPECT_EQ(result.regions[run.region].classIndex, run.classIndex);
        }
    }
    for (int r = 0; r < result.regionCount; ++r)
        EXPECT_EQ(result.regions[static_cast<std::size_t>(r)].area, areas[static_cast<std::size_t>(r)]);
}

struct ShapeCase
{
    const char* name;
    std::vector<std::string> rows;
    int runs;
    int regions;
};

class SegmenterShapes : public ::testing::TestWithParam<ShapeCase>
{ };

TEST_P(SegmenterShapes, RunsAndRegions)
{
    const ShapeCase& c = GetParam();
    auto image = imageOf(c.rows);
    XKDConSegments& result = segmentOf(*image);
    EXPECT_EQ(result.runCount, c.runs);
    EXPECT_EQ(result.regionCount, c.regions);
    expectSound(result);
}

const ShapeCase shapeCases[] = {
    {"TwoPixels", {"aa"}, 1, 1},
    {"UShape", {"a..a", "a..a", "aaaa"}, 5, 1},
    {"UpsideDownU", {"aaaa", "a..a", "a..a"}, 5, 1},
    {"Comb", {"aaaaaaa", "a.a.a.a", "a.a.a.a", "aaaaaaa"}, 10, 1},
    {"CombJoinedOnlyBelow", {"a.a.a.a", "a.a.a.a", "aaaaaaa"}, 9, 1},
    {"Diagonal", {"a.", ".a"}, 2, 2},
    {"AntiDiagonal", {".a", "a."}, 2, 2},
    {"TwoClassesSideBySide", {"aabb", "aabb"}, 4, 2},
    {"SpiralJoinsLate", {"aaaaa", "a...a", "a.a.a", "a.aaa"}, 8, 1},
    {"RunWrapsToNextRowStart", {"...a", "a..."}, 2, 2},
    {"RowEndAndNextRowStartShareAColumn", {"aaaa", "a..."}, 2, 1},
    {"NoClassAnywhere", {"....", "...."}, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Shapes, SegmenterShapes, ::testing::ValuesIn(shapeCases),
                         [](const ::testing::TestParamInfo<ShapeCase>& info) { return info.param.name; });

TEST(Segmenter, OneRowTwoPixelsGiveOneRunAndRegion)
{
    auto image = imageOf({"aa"});
    XKDConSegments& result = segmentOf(*image);
    ASSERT_EQ(result.runCount, 1);
    EXPECT_EQ(result.runs[0].x, 0);
    EXPECT_EQ(result.runs[0].length, 2);
    EXPECT_EQ(result.regions[0].area, 2u);
    EXPECT_EQ(result.name(), "segmenter");
    EXPECT_EQ(result.classCount, 3);
    EXPECT_EQ(result.classColours[1][0], 1);
}

TEST(Segmenter, EarlierClassWinsWhereClassesOverlap)
{
    SegmentList list = classes(4);
    segmentAt(list, 3)->valueSet(0).set(20, true); // class 3 also accepts class 1's value
    auto image = imageOf({"bb"});
    SegmenterEngine engine;
    engine.setSegments(list);
    engine.segment(*image);
    auto& result = *static_cast<XKDConSegments*>(image->findContainer(XKDContainer::Segments, ""));
    EXPECT_EQ(result.runs[0].classIndex, 1);
}

TEST(Segmenter, DescriptionUsingNoChannelTakesEveryPixel)
{
    SegmentList list = classes(2);
    SegmentDescription all;
    all.setChannelsUsedText("0");
    list.push_front(all);
    auto image = imageOf({"ab.", "..b"});
    SegmenterEngine engine;
    engine.setSegments(list);
    engine.segment(*image);
    auto& result = *static_cast<XKDConSegments*>(image->findContainer(XKDContainer::Segments, ""));
    ASSERT_EQ(result.regionCount, 1);
    EXPECT_EQ(result.regions[0].area, 6u);
    EXPECT_EQ(result.regions[0].classIndex, 0);
}

TEST(Segmenter, EmptyListClearsTheResult)
{
    auto image = imageOf({"aa"});
    segmentOf(*image);
    SegmenterEngine engine;
    engine.segment(*image);
    auto& result = *static_cast<XKDConSegments*>(image->findContainer(XKDContainer::Segments, ""));
    EXPECT_EQ(result.runCount, 0);
    EXPECT_EQ(result.regionCount, 0);
    EXPECT_EQ(image->containers().size(), 1u);
}

TEST(Segmenter, OnlyTheFirst32DescriptionsFormClasses)
{
    SegmenterEngine engine;
    engine.setSegments(classes(40));
    EXPECT_EQ(engine.classCount(), 32);
}

TEST(Segmenter, RegionLimitLeavesLaterRunsWithoutRegion)
{
    // 2100 isolated pixels: a checkerboard of 'a'.
    std::vector<std::string> rows;
    for (int y = 0; y < 60; ++y) {
        std::string row;
        for (int x = 0; x < 70; ++x)
            row += (x + y) % 2 == 0 ? 'a' : '.';
        rows.push_back(row);
    }
    auto image = imageOf(rows);
    XKDConSegments& result = segmentOf(*image);
    EXPECT_EQ(result.runCount, 2100);
    EXPECT_EQ(result.regionCount, 2000);
    EXPECT_EQ(result.runs[1999].region, 1999u);
    EXPECT_EQ(result.runs[2000].region, SegmentRun::noRegion);
    EXPECT_EQ(result.runs[2099].region, SegmentRun::noRegion);
    expectSound(result);
}

TEST(Segmenter, CentreOfMassAndLargestRegion)
{
    std::vector<std::string> rows(5, std::string(20, '.'));
    rows[1].replace(10, 3, "aaa");
    rows[3].replace(0, 8, "aaaaaaaa");
    rows[3].replace(15, 2, "bb");
    auto image = imageOf(rows);
    XKDConSegments& result = segmentOf(*image);
    ASSERT_EQ(result.regionCount, 3);
    result.centreOfMass(0);
    EXPECT_EQ(result.regions[0].centreX, 11);
    EXPECT_EQ(result.regions[0].centreY, 1);
    SegmentRegion out;
    EXPECT_EQ(result.largestRegion(0, out, 0), 1);
    EXPECT_EQ(out.area, 8u);
    EXPECT_EQ(out.centreX, 3); // (0 + ... + 7) / 8 truncated
    EXPECT_EQ(out.centreY, 3);
    EXPECT_EQ(result.selectedRegion, 1);
    EXPECT_EQ(result.largestRegion(0, out, 9), -1);
    EXPECT_EQ(result.selectedRegion, -1);
    EXPECT_EQ(result.largestRegion(2, out, 0), -1);
    EXPECT_EQ(result.largestRegion(-1, out, 0), -1);
}

TEST(Segmenter, LargestOfBigRegions)
{
    // 70000 pixels of class 0 above 5000 pixels of class 0, apart.
    std::vector<std::string> rows;
    for (int y = 0; y < 300; ++y)
        rows.push_back(y < 175 ? std::string(400, 'a')
                               : (y == 175 ? std::string(400, '.') : std::string(40, 'a') + std::string(360, '.')));
    auto image = imageOf(rows);
    XKDConSegments& result = segmentOf(*image);
    ASSERT_EQ(result.regionCount, 2);
    EXPECT_EQ(result.regions[0].area, 70000u);
    EXPECT_EQ(result.regions[1].area, 124u * 40u);
    SegmentRegion out;
    EXPECT_EQ(result.largestRegion(0, out, 0), 0);
    EXPECT_EQ(out.area, 70000u);
}

TEST(Segmenter, RenderPaintsRegionsInBlueGreenRed)
{
    auto image = imageOf({"a.b", "..."});
    XKDConSegments& result = segmentOf(*image);
    std::vector<std::uint8_t> target(3 * 3 * 2, 0);
    result.render(target.data(), false, -1, true);
    EXPECT_EQ(target, std::vector<std::uint8_t>(target.size(), 255));
    result.render(target.data(), false, 1, true); // region 1: the 'b' pixel
    EXPECT_EQ(target[6], 200);
    EXPECT_EQ(target[7], 100);
    EXPECT_EQ(target[8], 1);
    EXPECT_EQ(target[0], 255);
    result.render(target.data(), true, -1, false);
    EXPECT_EQ(target[0], 200);
    EXPECT_EQ(target[2], 0);
    EXPECT_EQ(target[3], 0); // copied from the image: no class there
}

TEST(Segmenter, ResultTravelsWithACopiedImage)
{
    auto image = imageOf({"ab", "ab"});
    segmentOf(*image);
    std::unique_ptr<XKDImage> copy(createWorkImage(2, 2, 3, ColorFormat_t::RGB));
    copy->assign(*image);
    auto* result = static_cast<XKDConSegments*>(copy->findContainer(XKDContainer::Segments, "segmenter"));
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->regionCount, 2);
    EXPECT_EQ(result->runCount, 4);
    EXPECT_EQ(result->owner(), copy.get());
}

} // namespace
