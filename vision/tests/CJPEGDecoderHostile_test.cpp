// Hostile and unusual streams: every one ends in its status, never in an access outside the data
// or the targets (the address-sanitizer build runs these too).
#include "CJPEGDecoder.h"
#include "jpeg_helper.h"

#include <gtest/gtest.h>

#include <functional>

using namespace jpegtest;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Offset of the first marker with that code (its 0xFF byte), searched segment by segment.
std::size_t findMarker(const Bytes& jpeg, int code)
{
    std::size_t p = 2;
    while (p + 4 <= jpeg.size()) {
        if (jpeg[p] != 0xFF)
            return std::string::npos;
        if (jpeg[p + 1] == code)
            return p;
        if (jpeg[p + 1] == 0xDA)
            break;
        p += 2 + ((jpeg[p + 2] << 8) | jpeg[p + 3]);
    }
    return std::string::npos;
}

Bytes insertAt(Bytes jpeg, std::size_t offset, const Bytes& bytes)
{
    jpeg.insert(jpeg.begin() + static_cast<std::ptrdiff_t>(offset), bytes.begin(), bytes.end());
    return jpeg;
}

// Segment bytes of the marker at `offset` (marker and length included).
Bytes segmentAt(const Bytes& jpeg, std::size_t offset)
{
    const std::size_t length = 2 + ((jpeg[offset + 2] << 8) | jpeg[offset + 3]);
    return Bytes(jpeg.begin() + static_cast<std::ptrdiff_t>(offset),
                 jpeg.begin() + static_cast<std::ptrdiff_t>(offset + length));
}

struct HostileCase
{
    const char* name;
    std::function<Bytes()> make;
    int header; // expected header status
    int decode; // expected decode status when the header read succeeds
};

Bytes base()
{
    return fixture("baseline-420.jpg");
}

Bytes patched(std::size_t (*where)(const Bytes&), std::size_t delta, std::uint8_t value)
{
    Bytes jpeg = base();
    jpeg[where(jpeg) + delta] = value;
    return jpeg;
}

std::size_t sof(const Bytes& j)
{
    return findMarker(j, 0xC0);
}
std::size_t sos(const Bytes& j)
{
    return findMarker(j, 0xDA);
}
std::size_t dqt(const Bytes& j)
{
    return findMarker(j, 0xDB);
}
std::size_t dht(const Bytes& j)
{
    return findMarker(j, 0xC4);
}

Bytes withQuantValue(std::uint16_t value)
{
    // One 16-bit table 0: 64 values, the first one as given.
    Bytes segment = {0xFF, 0xDB, 0x00, 0x83, 0x10};
    for (int i = 0; i < 64; ++i) {
        const std::uint16_t v = i == 0 ? value : 1;
        segment.push_back(static_cast<std::uint8_t>(v >> 8));
        segment.push_back(static_cast<std::uint8_t>(v));
    }
    Bytes jpeg = base();
    return insertAt(jpeg, sof(jpeg), segment);
}

Bytes withSecondFrameHeader()
{
    Bytes jpeg = base();
    const Bytes frame = segmentAt(jpeg, sof(jpeg));
    return insertAt(jpeg, jpeg.size() - 2, frame); // before EOI, after the scan
}

Bytes withFrameSize(int width, int height)
{
    Bytes jpeg = base();
    const std::size_t p = sof(jpeg);
    jpeg[p + 5] = static_cast<std::uint8_t>(height >> 8);
    jpeg[p + 6] = static_cast<std::uint8_t>(height);
    jpeg[p + 7] = static_cast<std::uint8_t>(width >> 8);
    jpeg[p + 8] = static_cast<std::uint8_t>(width);
    return jpeg;
}

const HostileCase hostileCases[] = {
    {"SegmentLengthBelowTwo",
     [] {
         return insertAt(base(), 2, {0xFF, 0xE1, 0x00, 0x01});
     },
     -5, 0},
    {"SegmentLengthZero",
     [] {
         return insertAt(base(), 2, {0xFF, 0xFE, 0x00, 0x00});
     },
     -5, 0},
    {"CommentRunsPastTheData", [] { return Bytes {0xFF, 0xD8, 0xFF, 0xFE, 0x10, 0x00, 'a', 'b'}; }, -3, 0},
    {"SkippedSegmentRunsPastTheData", [] { return Bytes {0xFF, 0xD8, 0xFF, 0xE3, 0x7F, 0xFF, 1}; }, -3, 0},
    {"QuantTableSelectorFour", [] { return patched(sof, 12, 4); }, -5, 0},
    {"DcTableSelectorFour", [] { return patched(sos, 6, 0x40); }, -5, 0},
    {"AcTableSelectorFour", [] { return patched(sos, 6, 0x04); }, -5, 0},
    {"HuffmanTableIdFour", [] { return patched(dht, 4, 0x04); }, -5, 0},
    {"QuantPrecisionTwo", [] { return patched(dqt, 4, 0x20); }, -5, 0},
    {"QuantTableIdFour", [] { return patched(dqt, 4, 0x04); }, -7, 0},
    {"SixteenBitValueAbove32767", [] { return withQuantValue(0x8000); }, -5, 0},
    {"TwoComponents", [] { return patched(sof, 9, 2); }, -1, 0},
    {"NoComponents", [] { return patched(sof, 9, 0); }, -1, 0},
    {"FiveComponents", [] { return patched(sof, 9, 5); }, -9, 0},
    {"WidthZero", [] { return withFrameSize(0, 48); }, -9, 0},
    {"HeightZero", [] { return withFrameSize(64, 0); }, -9, 0},
    {"WiderThanTheLimit", [] { return withFrameSize(4097, 48); }, -9, 0},
    {"TallerThanTheLimit", [] { return withFrameSize(64, 65535); }, -9, 0},
    {"SecondFrameHeaderInTheDecode", withSecondFrameHeader, 0, -1},
    {"ScanSelectsUndefinedHuffmanTables", [] { return patched(sos, 6, 0x33); }, 0, -2},
    {"ComponentSelectsUndefinedQuantTable", [] { return patched(sof, 12, 3); }, 0, -2},
    {"SamplingFactorZero", [] { return patched(sof, 11, 0x20); }, -9, 0},
    {"GreyFrameSampled2x2",
     [] {
         Bytes jpeg = fixture("grey.jpg");
         jpeg[sof(jpeg) + 11] = 0x22;
         return jpeg;
     },
     -11, 0},
    {"SamplingWithoutDecodePath", [] { return patched(sof, 14, 0x21); }, 0, -1},
    {"ScanWithUnknownComponent", [] { return patched(sos, 5, 9); }, -10, 0},
    {"ScanWithFiveComponents", [] { return patched(sos, 4, 5); }, -8, 0},
    {"HuffmanCountsAbove256",
     [] {
         Bytes jpeg = base();
         jpeg[dht(jpeg) + 5 + 15] = 0xFF;
         jpeg[dht(jpeg) + 5 + 14] = 0xFF;
         return jpeg;
     },
     -6, 0},
    {"QuantSegmentWithASpareByte",
     [] {
         Bytes jpeg = base();
         const std::size_t p = dqt(jpeg);
         const std::size_t length = (jpeg[p + 2] << 8 | jpeg[p + 3]) + 1;
         jpeg[p + 2] = static_cast<std::uint8_t>(length >> 8);
         jpeg[p + 3] = static_cast<std::uint8_t>(length);
         return insertAt(jpeg, p + 1 + length, {0x00});
     },
     -5, 0},
    {"ArithmeticCoding", [] { return fixture("arithmetic.jpg"); }, -1, 0},
    {"OnlyStartAndEndOfImage",
     [] {
         return Bytes {0xFF, 0xD8, 0xFF, 0xD9};
     },
     -3, 0},
    {"Empty", [] { return Bytes {}; }, -4, 0},
    {"NoMarkerAtAll", [] { return Bytes(100, 0x55); }, -3, 0},
};

class HostileStream : public ::testing::TestWithParam<HostileCase>
{ };

TEST_P(HostileStream, EndsInItsStatus)
{
    const HostileCase& c = GetParam();
    const Decoded d = decode(c.make(), {JpegOutputTarget::RGB, JpegOutputTarget::HSV});
    EXPECT_EQ(d.header, c.header);
    if (c.header == 0) {
        EXPECT_EQ(d.decode, c.decode);
    }
}

INSTANTIATE_TEST_SUITE_P(Mends, HostileStream, ::testing::ValuesIn(hostileCases),
                         [](const ::testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

TEST(HostileStream, GarbageFillBytesAndStuffedPairsBetweenSegmentsArePassedOver)
{
    Bytes jpeg = base();
    const Bytes plain = jpeg;
    jpeg = insertAt(jpeg, sof(jpeg), {0xFF, 0xFF, 0xFF}); // fill bytes before the frame marker
    jpeg = insertAt(jpeg, dqt(jpeg), {0x12, 0xFF, 0x00, 0x34}); // garbage and a stuffed pair
    jpeg = insertAt(jpeg, 2, {0xFF, 0xD0}); // a restart marker between segments
    jpeg.insert(jpeg.begin(), {0x00, 0x42}); // bytes before the first marker
    const Decoded d = decode(jpeg);
    const Decoded reference = decode(plain);
    ASSERT_EQ(d.header, 0);
    ASSERT_EQ(d.decode, 0);
    EXPECT_EQ(d.images[0], reference.images[0]);
}

TEST(HostileStream, LargestFrameSizeIsAccepted)
{
    const Bytes jpeg = withFrameSize(4096, 4096);
    CJPEGDecoder decoder;
    decoder.AttachSource(jpeg.data(), static_cast<std::int32_t>(jpeg.size()));
    int w, h, n, colour, sampling, precision;
    ASSERT_EQ(decoder.ReadFrameHeader(w, h, n, colour, sampling, precision), 0);
    EXPECT_EQ(w, 4096);
    EXPECT_EQ(h, 4096);
}

TEST(HostileStream, EveryTruncationEndsCleanly)
{
    for (const char* file : {"baseline-420.jpg", "progressive-420.jpg", "restart-1mcu.jpg", "grey.jpg"}) {
        const Bytes whole = fixture(file);
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            const Decoded d = decode(part, {JpegOutputTarget::RGB, JpegOutputTarget::YCbCr, JpegOutputTarget::HLS});
            EXPECT_TRUE(d.header < 0 || d.decode <= 0) << file << " " << length;
        }
    }
}

TEST(HostileStream, TruncatedSequentialFrameStillWritesItsTargets)
{
    Bytes jpeg = base();
    jpeg.resize(jpeg.size() * 3 / 4);
    CJPEGDecoder decoder;
    decoder.AttachSource(jpeg.data(), static_cast<std::int32_t>(jpeg.size()));
    int w, h, n, colour, sampling, precision;
    ASSERT_EQ(decoder.ReadFrameHeader(w, h, n, colour, sampling, precision), 0);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * h * 3, 0);
    decoder.SetOutputTargets({{rgb.data(), static_cast<int>(rgb.size()), JpegOutputTarget::RGB}}, w * 3, w, h, 3, 8);
    EXPECT_EQ(decoder.DecodeFrame(), -3);
    EXPECT_TRUE(decoder.TargetsWritten());
    // The top rows arrived whole.
    const Picture reference = referenceRgb(base());
    const std::vector<std::uint8_t> top(rgb.begin(), rgb.begin() + w * 3 * 8);
    const std::vector<std::uint8_t> referenceTop(reference.pixels.begin(), reference.pixels.begin() + w * 3 * 8);
    EXPECT_LE(largestDifference(top, referenceTop), 3);
}

TEST(HostileStream, DecodeWithoutHeaderReadIsRefused)
{
    const Bytes jpeg = base();
    CJPEGDecoder decoder;
    std::vector<std::uint8_t> rgb(64 * 48 * 3, 9);
    decoder.SetOutputTargets({{rgb.data(), static_cast<int>(rgb.size()), JpegOutputTarget::RGB}}, 64 * 3, 64, 48, 3, 8);
    EXPECT_EQ(decoder.DecodeFrame(), -4); // nothing attached
    decoder.AttachSource(jpeg.data(), static_cast<std::int32_t>(jpeg.size()));
    EXPECT_EQ(decoder.DecodeFrame(), -4); // attached, header not read
    EXPECT_FALSE(decoder.TargetsWritten());
    EXPECT_EQ(rgb, std::vector<std::uint8_t>(rgb.size(), 9));
}

TEST(HostileStream, TargetsSmallerThanTheFrameAreRefusedBeforeWriting)
{
    const Bytes jpeg = base();
    struct TargetCase
    {
        int size, step, width, height;
    };
    const int full = 64 * 48 * 3;
    const TargetCase cases[] = {
        {full - 1, 192, 64, 48}, {full, 191, 64, 48}, {full, 192, 65, 48}, {full, 192, 64, 49}, {full, 192, 32, 48}};
    for (const TargetCase& c : cases) {
        CJPEGDecoder decoder;
        decoder.AttachSource(jpeg.data(), static_cast<std::int32_t>(jpeg.size()));
        int w, h, n, colour, sampling, precision;
        ASSERT_EQ(decoder.ReadFrameHeader(w, h, n, colour, sampling, precision), 0);
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(c.size), 9), hsv(rgb);
        decoder.SetOutputTargets(
            {{rgb.data(), c.size, JpegOutputTarget::RGB}, {hsv.data(), c.size, JpegOutputTarget::HSV}}, c.step, c.width,
            c.height, 3, 8);
        EXPECT_EQ(decoder.DecodeFrame(), -5) << c.size << " " << c.step << " " << c.width << " " << c.height;
        EXPECT_EQ(rgb, std::vector<std::uint8_t>(rgb.size(), 9));
        EXPECT_EQ(hsv, std::vector<std::uint8_t>(hsv.size(), 9));
    }
}

TEST(HostileStream, RestartIntervalAndAdobeFlagEndWithTheirImage)
{
    Bytes adobe = fixture("baseline-444.jpg");
    const Bytes app14 = {0xFF, 0xEE, 0x00, 0x0E, 'A', 'd', 'o', 'b', 'e', 0x00, 0x64, 0, 0, 0, 0, 0};
    adobe = insertAt(adobe, 2, app14);
    const Bytes restart = fixture("restart-1mcu.jpg");
    const Bytes plain = base();
    CJPEGDecoder decoder;
    int w, h, n, colour, sampling, precision;
    decoder.AttachSource(adobe.data(), static_cast<std::int32_t>(adobe.size()));
    ASSERT_EQ(decoder.ReadFrameHeader(w, h, n, colour, sampling, precision), 0);
    EXPECT_EQ(colour, 2); // Adobe transform 0: RGB
    decoder.AttachSource(restart.data(), static_cast<std::int32_t>(restart.size()));
    ASSERT_EQ(decoder.ReadFrameHeader(w, h, n, colour, sampling, precision), 0);
    EXPECT_EQ(colour, 4);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * h * 3);
    decoder.SetOutputTargets({{rgb.data(), static_cast<int>(rgb.size()), JpegOutputTarget::RGB}}, w * 3, w, h, 3, 8);
    ASSERT_EQ(decoder.DecodeFrame(), 0);
    // The next frame has no restart interval of its own.
    decoder.AttachSource(plain.data(), static_cast<std::int32_t>(plain.size()));
    ASSERT_EQ(decoder.ReadFrameHeader(w, h, n, colour, sampling, precision), 0);
    ASSERT_EQ(decoder.DecodeFrame(), 0);
    EXPECT_LE(largestDifference(rgb, referenceRgb(plain).pixels), 3);
}

TEST(HostileStream, StreamsWithoutTablesUseTheTablesOfEarlierFrames)
{
    // Tables are kept from frame to frame: a frame stripped of its DQT and DHT decodes alike.
    Bytes stripped = base();
    for (int code : {0xDB, 0xC4}) {
        for (std::size_t p = findMarker(stripped, code); p != std::string::npos; p = findMarker(stripped, code)) {
            const std::size_t length = 2 + ((stripped[p + 2] << 8) | stripped[p + 3]);
            stripped.erase(stripped.begin() + static_cast<std::ptrdiff_t>(p),
                           stripped.begin() + static_cast<std::ptrdiff_t>(p + length));
        }
    }
    const Bytes plain = base();
    CJPEGDecoder decoder;
    int w, h, n, colour, sampling, precision;
    std::vector<std::uint8_t> first(64 * 48 * 3), second(first.size());
    const Bytes* frames[] = {&plain, &stripped};
    for (const Bytes* frame : frames) {
        decoder.AttachSource(frame->data(), static_cast<std::int32_t>(frame->size()));
        ASSERT_EQ(decoder.ReadFrameHeader(w, h, n, colour, sampling, precision), 0);
        std::vector<std::uint8_t>& target = frame == &plain ? first : second;
        decoder.SetOutputTargets({{target.data(), static_cast<int>(target.size()), JpegOutputTarget::RGB}}, w * 3, w, h,
                                 3, 8);
        ASSERT_EQ(decoder.DecodeFrame(), 0);
    }
    EXPECT_EQ(first, second);
}

} // namespace

namespace {

TEST(LosslessFrame, ThreeEqualChannelsInRgbAndYCbCrScaledToEightBits)
{
    struct Case
    {
        int precision, width, height;
    };
    for (const Case& c : {Case {12, 13, 5}, Case {8, 7, 3}, Case {16, 9, 4}}) {
        std::vector<int> samples;
        for (int i = 0; i < c.width * c.height; ++i)
            samples.push_back((i * 2654435761u >> 7) & ((1u << c.precision) - 1));
        const Decoded d = decode(losslessFrame(c.precision, c.width, c.height, samples),
                                 {JpegOutputTarget::RGB, JpegOutputTarget::YCbCr}, 0xAA);
        ASSERT_EQ(d.header, 0) << c.precision;
        ASSERT_EQ(d.decode, 0) << c.precision;
        EXPECT_EQ(d.precision, c.precision);
        for (const auto& image : d.images) {
            for (int i = 0; i < c.width * c.height; ++i) {
                const int expected = samples[i] >> (c.precision - 8);
                ASSERT_EQ(image[3 * i], expected) << c.precision << " sample " << i;
                ASSERT_EQ(image[3 * i + 1], expected);
                ASSERT_EQ(image[3 * i + 2], expected);
            }
        }
    }
}

} // namespace
