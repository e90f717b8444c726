// The camera hub and the image intake: which frames become which pool images, and who gives
// them back.
#include "CameraCenter.h"
#include "CameraIntake.h"
#include "ImagePool.h"
#include "XKDImage.h"
#include "jpeg_helper.h"

#include <gtest/gtest.h>

#include <deque>

using namespace jpegtest;

namespace {

TEST(CameraCenter, CountsUsersPerFormat)
{
    CameraCenter center;
    EXPECT_TRUE(center.requestedFormats().isEmpty());
    center.addUser(ColorFormat_t::HSV);
    center.addUser(ColorFormat_t::RGB);
    center.addUser(ColorFormat_t::RGB);
    EXPECT_EQ(center.numberOfUsers(), 3);
    EXPECT_EQ(center.requestedFormats(),
              (QList<ColorFormat_t::colorFormat_t> {ColorFormat_t::RGB, ColorFormat_t::HSV}));
    center.removeUser(ColorFormat_t::HLS);
    center.removeUser(ColorFormat_t::HSV);
    center.removeUser(ColorFormat_t::HSV);
    EXPECT_EQ(center.numberOfUsers(), 2);
    EXPECT_EQ(center.requestedFormats(), QList<ColorFormat_t::colorFormat_t> {ColorFormat_t::RGB});
}

TEST(CameraCenter, UnchangedParametersAreStillSentAndAnnounced)
{
    CameraCenter center;
    int sent = 0;
    center.setParameterSender([&] { ++sent; });
    int announced = 0;
    QObject::connect(&center, &CameraCenter::parameterChanged, [&](const CameraParameters&) { ++announced; });
    const CameraParameters defaults;
    EXPECT_EQ(*center.parameters(), defaults);
    center.parameterChanged_Slot(defaults);
    EXPECT_EQ(sent, 1);
    EXPECT_EQ(announced, 1);
    CameraParameters bright;
    bright.brightness = 80;
    bright.imageSize = 1;
    center.parameterChanged_Slot(bright);
    EXPECT_EQ(*center.parameters(), bright);
    EXPECT_EQ(sent, 2);
}

// A robot link stand-in: hands out the queued frames in order, then none.
class QueuedFrames : public CameraFrameSource
{
public:
    bool isConnected() override { return connected; }
    const CameraFrame* lockImage() override
    {
        if (frames.empty()) {
            connected = false; // ends the intake's wait instead of polling on
            return nullptr;
        }
        current = frames.front();
        frames.pop_front();
        ++locks;
        return &current;
    }
    void unlockImage() override { ++unlocks; }

    void addJpeg(const std::vector<std::uint8_t>& bytes, std::uint32_t tag = 0)
    {
        frames.push_back({CameraFrame::Jpeg, 0, 0, bytes.data(), static_cast<int>(bytes.size()), tag});
    }

    std::deque<CameraFrame> frames;
    CameraFrame current;
    bool connected = true;
    int locks = 0;
    int unlocks = 0;
};

class IntakeFrames : public ::testing::Test
{
protected:
    ImagePool pool;
    CameraCenter center;
    QueuedFrames source;
    CameraIntake intake {source, center};
    std::vector<std::uint8_t> small = fixture("camera-320x240.jpg");
    std::vector<std::uint8_t> large = fixture("camera-640x480.jpg");
    std::vector<std::uint8_t> grey = fixture("camera-320x240-grey.jpg");

    void SetUp() override { ImagePool::setGlobal(&pool); }
    void TearDown() override { ImagePool::setGlobal(nullptr); }

    int inUse() const { return pool.inUseCount(0) + pool.inUseCount(1) + pool.inUseCount(2); }
};

// A stop that comes just before the wait is not lost: the wait ends without looking for a
// frame, and the stop is used up, so the next wait takes the next frame.
TEST_F(IntakeFrames, StopBeforeTheWaitEndsIt)
{
    intake.endImageLoop();
    intake.receiveImage();
    EXPECT_TRUE(source.connected) << "the source was polled after the stop";
    source.addJpeg(small);
    intake.receiveImage();
    EXPECT_EQ(source.locks, 1);
}

TEST_F(IntakeFrames, RgbFrameImageMatchesTheReferenceAndCarriesTheTag)
{
    center.addUser(ColorFormat_t::RGB);
    source.addJpeg(small, 77);
    intake.receiveImage();
    EXPECT_EQ(source.unlocks, 1);
    const ImageHandle handle = intake.image(ColorFormat_t::RGB);
    ASSERT_EQ(handle.sizeIndex, 0u);
    const XKDImage* image = pool.image(handle);
    EXPECT_EQ(image->tag(), 77u);
    EXPECT_EQ(image->colorFormat(), ColorFormat_t::RGB);
    const std::vector<std::uint8_t> pixels(image->data(), image->data() + 320 * 240 * 3);
    EXPECT_LE(largestDifference(pixels, referenceRgb(small).pixels), 3);
    EXPECT_EQ(CameraIntake::lastFrameSize(), static_cast<int>(small.size()));
}

TEST_F(IntakeFrames, SecondTakerGetsACopyAndTakenImagesStayWithTheirTakers)
{
    center.addUser(ColorFormat_t::RGB);
    center.addUser(ColorFormat_t::RGB);
    source.addJpeg(small);
    source.addJpeg(small);
    intake.receiveImage();
    const ImageHandle first = intake.image(ColorFormat_t::RGB);
    const ImageHandle second = intake.image(ColorFormat_t::RGB);
    EXPECT_NE(first, second);
    EXPECT_EQ(inUse(), 2);
    intake.receiveImage(); // next frame: neither taken image goes back
    EXPECT_EQ(inUse(), 3);
    EXPECT_NE(pool.image(first), nullptr);
}

TEST_F(IntakeFrames, UntakenImagesGoBackAtTheNextFrame)
{
    center.addUser(ColorFormat_t::YCbCr);
    center.addUser(ColorFormat_t::HLS);
    for (int i = 0; i < 5; ++i)
        source.addJpeg(small);
    for (int i = 0; i < 5; ++i) {
        intake.receiveImage();
        EXPECT_EQ(inUse(), 2);
    }
    EXPECT_EQ(pool.imageCount(0), 10);
}

TEST_F(IntakeFrames, OnlyTheRequestedFormatsAreDecoded)
{
    center.addUser(ColorFormat_t::HSV);
    source.addJpeg(small);
    intake.receiveImage();
    EXPECT_EQ(inUse(), 1);
    EXPECT_EQ(pool.image(intake.image(ColorFormat_t::HSV))->colorFormat(), ColorFormat_t::HSV);
    EXPECT_EQ(intake.image(ColorFormat_t::RGB), (ImageHandle {4, 0}));
}

TEST_F(IntakeFrames, RawFramesServeRgbOnly)
{
    center.addUser(ColorFormat_t::HSV);
    center.addUser(ColorFormat_t::RGB);
    std::vector<std::uint8_t> raw(640 * 480 * 3, 0x42);
    source.frames.push_back({CameraFrame::RawRgb, 640, 480, raw.data(), static_cast<int>(raw.size()), 5});
    intake.receiveImage();
    EXPECT_TRUE(intake.image(ColorFormat_t::HSV).isNone());
    const ImageHandle rgb = intake.image(ColorFormat_t::RGB);
    ASSERT_EQ(rgb.sizeIndex, 1u);
    EXPECT_EQ(pool.image(rgb)->data()[640 * 480 * 3 - 1], 0x42);
    // A raw frame of a foreign size or a wrong data size gives nothing.
    source.connected = true;
    source.frames.push_back({CameraFrame::RawRgb, 384, 288, raw.data(), 384 * 288 * 3, 0});
    source.frames.push_back({CameraFrame::RawRgb, 320, 240, raw.data(), 5, 0});
    intake.receiveImage();
    EXPECT_TRUE(intake.image(ColorFormat_t::RGB).isNone());
    intake.receiveImage();
    EXPECT_TRUE(intake.image(ColorFormat_t::RGB).isNone());
}

TEST_F(IntakeFrames, FramesOfOtherTypesAreSkippedAndPollingGoesOn)
{
    center.addUser(ColorFormat_t::RGB);
    source.frames.push_back({1, 0, 0, nullptr, 0, 0});
    source.addJpeg(small);
    intake.receiveImage();
    EXPECT_EQ(source.locks, 2);
    EXPECT_EQ(source.unlocks, 2);
    EXPECT_FALSE(intake.image(ColorFormat_t::RGB).isNone());
}

TEST_F(IntakeFrames, SizeChangeTakesImagesOfTheNewClass)
{
    center.addUser(ColorFormat_t::RGB);
    source.addJpeg(small);
    source.addJpeg(large);
    source.addJpeg(grey);
    intake.receiveImage();
    EXPECT_EQ(intake.image(ColorFormat_t::RGB).sizeIndex, 0u);
    intake.receiveImage();
    const ImageHandle second = intake.image(ColorFormat_t::RGB);
    ASSERT_EQ(second.sizeIndex, 1u);
    const XKDImage* image = pool.image(second);
    EXPECT_LE(largestDifference(std::vector<std::uint8_t>(image->data(), image->data() + 640 * 480 * 3),
                                referenceRgb(large).pixels),
              3);
    intake.receiveImage(); // one component after three: a fresh decoder
    const ImageHandle third = intake.image(ColorFormat_t::RGB);
    ASSERT_EQ(third.sizeIndex, 0u);
    const XKDImage* greyImage = pool.image(third);
    EXPECT_LE(largestDifference(std::vector<std::uint8_t>(greyImage->data(), greyImage->data() + 320 * 240 * 3),
                                referenceRgb(grey).pixels),
              3);
}

TEST_F(IntakeFrames, FrameWithoutPoolClassIsDropped)
{
    center.addUser(ColorFormat_t::RGB);
    const std::vector<std::uint8_t> odd = fixture("baseline-420.jpg"); // 64 x 48
    source.addJpeg(odd);
    intake.receiveImage();
    EXPECT_TRUE(intake.image(ColorFormat_t::RGB).isNone());
    EXPECT_EQ(inUse(), 0);
    EXPECT_EQ(source.unlocks, 1);
}

TEST_F(IntakeFrames, FailedDecodeShowsNoStalePixelsButATruncatedFrameShowsWhatArrived)
{
    center.addUser(ColorFormat_t::RGB);
    std::vector<std::uint8_t> broken = small;
    // The scan selects Huffman tables that were never defined.
    for (std::size_t p = 0; p + 1 < broken.size(); ++p) {
        if (broken[p] == 0xFF && broken[p + 1] == 0xDA) {
            broken[p + 6] = 0x33;
            break;
        }
    }
    const std::vector<std::uint8_t> truncated(small.begin(),
                                              small.begin() + static_cast<std::ptrdiff_t>(small.size() / 2));
    source.addJpeg(broken);
    source.addJpeg(truncated);
    intake.receiveImage();
    EXPECT_TRUE(intake.image(ColorFormat_t::RGB).isNone());
    EXPECT_EQ(inUse(), 0);
    intake.receiveImage();
    const ImageHandle shown = intake.image(ColorFormat_t::RGB);
    ASSERT_FALSE(shown.isNone());
    // Its top rows are the frame's own.
    const XKDImage* image = pool.image(shown);
    const std::vector<std::uint8_t> top(image->data(), image->data() + 320 * 3 * 16);
    const std::vector<std::uint8_t> reference = referenceRgb(small).pixels;
    EXPECT_LE(largestDifference(top, std::vector<std::uint8_t>(reference.begin(), reference.begin() + 320 * 3 * 16)),
              3);
}

TEST_F(IntakeFrames, LostConnectionGivesBackUntakenImages)
{
    center.addUser(ColorFormat_t::RGB);
    center.addUser(ColorFormat_t::HSV);
    source.addJpeg(small);
    intake.receiveImage();
    const ImageHandle taken = intake.image(ColorFormat_t::RGB);
    EXPECT_EQ(inUse(), 2);
    source.connected = false;
    intake.receiveImage();
    EXPECT_EQ(inUse(), 1); // the taken RGB image stays with its taker
    EXPECT_TRUE(intake.image(ColorFormat_t::HSV).isNone());
    EXPECT_NE(pool.image(taken), nullptr);
}

} // namespace
