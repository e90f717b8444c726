// Image model: sizes, channel names, containers and the work image's pixels.
#include "ColorFormat.h"
#include "ImageSizes.h"
#include "XKDConMultiPoints.h"
#include "XKDConSegments.h"
#include "XKDWorkImage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

TEST(ImageSizes, IndexOfEachSizeAndNoneForOthers)
{
    struct Case
    {
        unsigned width;
        int height;
        unsigned index;
    };
    const Case cases[] = {{640, 480, 1}, {320, 240, 0}, {384, 288, 2}, {480, 640, 4}, {0, 0, 4}, {320, 480, 4}};
    for (const Case& c : cases)
        EXPECT_EQ(imageSizeIndex(c.width, c.height), c.index) << c.width << "x" << c.height;
    int w = 7, h = 9;
    imageSizeOfIndex(4, w, h);
    EXPECT_EQ(w, 7);
    EXPECT_EQ(h, 9);
    imageSizeOfIndex(2, w, h);
    EXPECT_EQ(w, 384);
    EXPECT_EQ(h, 288);
}

TEST(ColorFormat, ChannelNames)
{
    EXPECT_EQ(channelName(ColorFormat_t::YCbCr, 2), "Cr");
    EXPECT_EQ(channelName(ColorFormat_t::YCbCr, 0), "Y");
    EXPECT_EQ(channelName(ColorFormat_t::HLS, 1), "L");
    EXPECT_EQ(channelName(ColorFormat_t::RGB, 0), "R");
    EXPECT_EQ(channelName(ColorFormat_t::HSV, 2), "V");
    EXPECT_STREQ(colorFormatNames[1], "YCbCr");
}

std::unique_ptr<XKDImage> smallImage()
{
    return std::unique_ptr<XKDImage>(createWorkImage(8, 4, 3, ColorFormat_t::HSV));
}

TEST(XKDImage, FindContainerByTypeAndName)
{
    auto image = smallImage();
    XKDContainer* centre = image->addContainer(XKDContainer::MultiPoints);
    centre->setName("centerofmass");
    XKDContainer* line = image->container(XKDContainer::MultiPoints, "line");
    EXPECT_NE(centre, line);
    EXPECT_EQ(image->findContainer(XKDContainer::MultiPoints, ""), centre);
    EXPECT_EQ(image->findContainer(XKDContainer::MultiPoints, "line"), line);
    EXPECT_EQ(image->container(XKDContainer::MultiPoints, "line"), line);
    EXPECT_EQ(image->containers().size(), 2u);
    EXPECT_FALSE(image->hasContainer(XKDContainer::Segments));
    EXPECT_EQ(XKDContainer::create(image.get(), 2, "x"), nullptr);
}

TEST(XKDImage, CopyContainersReplacesAndDeepCopies)
{
    auto source = smallImage();
    auto target = smallImage();
    target->addContainer(XKDContainer::Segments);
    auto* points = static_cast<XKDConMultiPoints*>(source->container(XKDContainer::MultiPoints, "line"));
    points->points.push_back(XKDConMultiPoints::point(5, 230));
    EXPECT_EQ(points->points[0], 15073285u);
    target->copyContainers(*source);
    ASSERT_EQ(target->containers().size(), 1u);
    auto* copy = static_cast<XKDConMultiPoints*>(target->findContainer(XKDContainer::MultiPoints, "line"));
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, points);
    EXPECT_EQ(copy->points, points->points);
    EXPECT_EQ(copy->owner(), target.get());

    auto empty = smallImage();
    target->copyContainers(*empty);
    EXPECT_TRUE(target->containers().empty());
}

TEST(XKDWorkImage, ResizeKeepsContainersOnlyForTheSameGeometry)
{
    XKDWorkImage image(8, 4, 3, ColorFormat_t::RGB);
    image.addContainer(XKDContainer::Segments);
    std::uint8_t* pixels = image.data();
    image.resize(8, 4, 3);
    EXPECT_EQ(image.containers().size(), 1u);
    EXPECT_EQ(image.data(), pixels);
    image.resize(9, 4, 3);
    EXPECT_TRUE(image.containers().empty());
    EXPECT_EQ(image.step(), 27);
}

TEST(XKDWorkImage, ClearKeepsPixelsAndFormat)
{
    XKDWorkImage image(8, 4, 3, ColorFormat_t::HLS);
    image.data()[5] = 77;
    image.setTag(42);
    image.addContainer(XKDContainer::MultiPoints);
    image.clear();
    EXPECT_EQ(image.tag(), 0u);
    EXPECT_TRUE(image.containers().empty());
    EXPECT_EQ(image.data()[5], 77);
    EXPECT_EQ(image.colorFormat(), ColorFormat_t::HLS);
}

TEST(XKDWorkImage, AssignCopiesEverything)
{
    XKDWorkImage source(320, 240, 3, ColorFormat_t::YCbCr);
    for (int i = 0; i < 320 * 240 * 3; ++i)
        source.data()[i] = static_cast<std::uint8_t>(i * 7);
    source.setTag(9);
    source.container(XKDContainer::Segments, "segmenter");
    XKDWorkImage target(320, 240, 3, ColorFormat_t::RGB);
    target.assign(source);
    EXPECT_EQ(target.tag(), 9u);
    EXPECT_EQ(target.colorFormat(), ColorFormat_t::YCbCr);
    EXPECT_EQ(std::memcmp(target.data(), source.data(), 320 * 240 * 3), 0);
    EXPECT_NE(target.findContainer(XKDContainer::Segments, "segmenter"), nullptr);
}

TEST(XKDWorkImage, SetGreyFillsAllThreeChannels)
{
    XKDWorkImage image(320, 240, 3, ColorFormat_t::RGB);
    std::vector<std::uint8_t> grey(320 * 240);
    for (std::size_t i = 0; i < grey.size(); ++i)
        grey[i] = static_cast<std::uint8_t>(i);
    image.setGrey(grey.data());
    for (int y : {0, 1, 239}) {
        for (int x : {0, 5, 319}) {
            const std::uint8_t* pixel = image.data() + 3 * (y * 320 + x);
            const auto expected = static_cast<std::uint8_t>((y * 320 + x) % 256);
            EXPECT_EQ(pixel[0], expected);
            EXPECT_EQ(pixel[1], expected);
            EXPECT_EQ(pixel[2], expected);
        }
    }
}

TEST(XKDWorkImage, SwapRedBlue)
{
    XKDWorkImage image(8, 4, 3, ColorFormat_t::RGB);
    image.data()[0] = 1;
    image.data()[1] = 2;
    image.data()[2] = 3;
    image.swapRedBlue();
    EXPECT_EQ(image.data()[0], 3);
    EXPECT_EQ(image.data()[1], 2);
    EXPECT_EQ(image.data()[2], 1);
}

} // namespace
