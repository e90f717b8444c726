// The decoder against libjpeg-turbo on frames that cjpeg wrote, and its header outputs.
#include "CJPEGDecoder.h"
#include "jpeg_helper.h"

#include "zefrim/zefrim.h"

#include <gtest/gtest.h>

using namespace jpegtest;

namespace {

struct FrameCase
{
    const char* file;
    int width, height, components, sampling;
};

class DecoderAgainstReference : public ::testing::TestWithParam<FrameCase>
{ };

TEST_P(DecoderAgainstReference, RgbWithinThreeOfLibjpeg)
{
    const FrameCase& c = GetParam();
    const std::vector<std::uint8_t> jpeg = fixture(c.file);
    const Decoded ours = decode(jpeg);
    ASSERT_EQ(ours.header, 0);
    EXPECT_EQ(ours.decode, 0);
    EXPECT_EQ(ours.width, c.width);
    EXPECT_EQ(ours.height, c.height);
    EXPECT_EQ(ours.components, c.components);
    EXPECT_EQ(ours.sampling, c.sampling);
    EXPECT_EQ(ours.precision, 8);
    EXPECT_EQ(ours.colour, c.components == 1 ? 1 : 4);
    const Picture reference = referenceRgb(jpeg);
    EXPECT_LE(largestDifference(ours.images[0], reference.pixels), 3);
}

const FrameCase frameCases[] = {
    {"baseline-444.jpg", 64, 48, 3, 0},
    {"baseline-422.jpg", 64, 48, 3, 1},
    {"baseline-420.jpg", 64, 48, 3, 2},
    {"grey.jpg", 64, 48, 1, 0},
    {"odd-420.jpg", 37, 29, 3, 2},
    {"odd-422.jpg", 321, 17, 3, 1},
    {"odd-444.jpg", 37, 29, 3, 0},
    {"restart-1mcu.jpg", 64, 48, 3, 2},
    {"restart-1row.jpg", 37, 29, 3, 1},
    {"optimised.jpg", 64, 48, 3, 2},
    {"progressive-420.jpg", 64, 48, 3, 2},
    {"progressive-444.jpg", 37, 29, 3, 0},
    {"progressive-grey.jpg", 37, 29, 1, 0},
    {"quality10.jpg", 64, 48, 3, 2},
    {"camera-320x240.jpg", 320, 240, 3, 2},
    {"camera-640x480.jpg", 640, 480, 3, 2},
    {"camera-320x240-grey.jpg", 320, 240, 1, 0},
    {"progressive-separate-dc.jpg", 64, 48, 3, 2},
};

INSTANTIATE_TEST_SUITE_P(Fixtures, DecoderAgainstReference, ::testing::ValuesIn(frameCases),
                         [](const ::testing::TestParamInfo<FrameCase>& info) {
                             std::string name = info.param.file;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(Decoder, FiveCodesAgreeWithTheRgbOutput)
{
    const std::vector<std::uint8_t> jpeg = fixture("baseline-420.jpg");
    const Decoded d = decode(jpeg,
                             {JpegOutputTarget::RGB, JpegOutputTarget::YCbCr, JpegOutputTarget::BGR,
                              JpegOutputTarget::HSV, JpegOutputTarget::HLS});
    ASSERT_EQ(d.decode, 0);
    const auto& rgb = d.images[0];
    const RoiSize region {d.width, d.height};
    std::vector<std::uint8_t> expected(rgb.size());
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        ASSERT_EQ(d.images[2][i], rgb[i + 2]);
        ASSERT_EQ(d.images[2][i + 2], rgb[i]);
    }
    zfmiRGBToHSV_8u_C3R(rgb.data(), d.width * 3, expected.data(), d.width * 3, region);
    EXPECT_EQ(d.images[3], expected);
    zfmiRGBToHLS_8u_C3R(rgb.data(), d.width * 3, expected.data(), d.width * 3, region);
    EXPECT_EQ(d.images[4], expected);
    // YCbCr as decoded: a grey-ish pixel has Cb and Cr near 128 where R, G and B agree.
    EXPECT_NE(d.images[1], rgb);
}

TEST(Decoder, HsvWithoutRgbTargetComesFromItsOwnBuffer)
{
    const std::vector<std::uint8_t> jpeg = fixture("baseline-444.jpg");
    const Decoded both = decode(jpeg, {JpegOutputTarget::RGB, JpegOutputTarget::HSV});
    const Decoded alone = decode(jpeg, {JpegOutputTarget::HSV});
    ASSERT_EQ(alone.decode, 0);
    EXPECT_EQ(alone.images[0], both.images[1]);
}

TEST(Decoder, GreyFrameFillsThreeEqualChannelsInRgbAndYCbCr)
{
    const Decoded d = decode(fixture("grey.jpg"), {JpegOutputTarget::RGB, JpegOutputTarget::YCbCr});
    ASSERT_EQ(d.decode, 0);
    for (const auto& image : d.images) {
        for (std::size_t i = 0; i < image.size(); i += 3) {
            ASSERT_EQ(image[i], image[i + 1]);
            ASSERT_EQ(image[i], image[i + 2]);
        }
    }
    EXPECT_EQ(d.images[0], d.images[1]);
}

TEST(Decoder, TwoDecodesOfOneAttachmentNeedTheirOwnHeaderRead)
{
    const std::vector<std::uint8_t> jpeg = fixture("baseline-420.jpg");
    CJPEGDecoder decoder;
    decoder.AttachSource(jpeg.data(), static_cast<std::int32_t>(jpeg.size()));
    int w, h, n, colour, sampling, precision;
    ASSERT_EQ(decoder.ReadFrameHeader(w, h, n, colour, sampling, precision), 0);
    std::vector<std::uint8_t> first(static_cast<std::size_t>(w) * h * 3), second(first.size(), 7);
    decoder.SetOutputTargets({{first.data(), static_cast<int>(first.size()), JpegOutputTarget::RGB}}, w * 3, w, h, 3,
                             8);
    EXPECT_EQ(decoder.DecodeFrame(), 0);
    EXPECT_EQ(decoder.DecodeFrame(), -4); // the frame was released
    decoder.AttachSource(jpeg.data(), static_cast<std::int32_t>(jpeg.size()));
    ASSERT_EQ(decoder.ReadFrameHeader(w, h, n, colour, sampling, precision), 0);
    decoder.SetOutputTargets({{second.data(), static_cast<int>(second.size()), JpegOutputTarget::RGB}}, w * 3, w, h, 3,
                             8);
    EXPECT_EQ(decoder.DecodeFrame(), 0);
    EXPECT_EQ(first, second);
}

TEST(Decoder, OneDecoderServesFramesOfChangingGeometryInTurn)
{
    const char* files[] = {"camera-320x240.jpg", "grey.jpg",         "progressive-420.jpg",
                           "odd-422.jpg",        "restart-1mcu.jpg", "baseline-444.jpg"};
    CJPEGDecoder decoder;
    for (const char* file : files) {
        const std::vector<std::uint8_t> jpeg = fixture(file);
        decoder.AttachSource(jpeg.data(), static_cast<std::int32_t>(jpeg.size()));
        int w, h, n, colour, sampling, precision;
        ASSERT_EQ(decoder.ReadFrameHeader(w, h, n, colour, sampling, precision), 0) << file;
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * h * 3);
        decoder.SetOutputTargets({{rgb.data(), static_cast<int>(rgb.size()), JpegOutputTarget::RGB}}, w * 3, w, h, 3,
                                 8);
        ASSERT_EQ(decoder.DecodeFrame(), 0) << file;
        EXPECT_LE(largestDifference(rgb, referenceRgb(jpeg).pixels), 3) << file;
    }
}

} // namespace
