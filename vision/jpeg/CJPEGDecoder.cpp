// CJPEGDecoder: life cycle, frame header, output targets and the frame decode.
#include "CJPEGDecoder.h"

#include "zefrim/generic.h"

#include <cstdint>

namespace {

bool isKnownCode(int code)
{
    return code >= JpegOutputTarget::YCbCr && code <= JpegOutputTarget::HLS;
}

} // namespace

CJPEGDecoder::CJPEGDecoder()
{
    ResetFields();
}

CJPEGDecoder::~CJPEGDecoder()
{
    ReleaseFrame();
    delete[] comment;
    zfmsFree_gn(ownRgb);
}

void CJPEGDecoder::ResetFields()
{
    source = CJPEGSourceStream();
    precision = 8;
    blocksPerMcu = 1;
    width = height = components = samplingMode = colourCode = restartInterval = process = 0;
    mcusPerRow = mcuRows = mcuWidth = mcuHeight = paddedWidth = rowsToConvert = 0;
    padX = padY = restartsToGo = scanHeaderLength = scanComponent = scanCount = 0;
    Ss = Se = Al = Ah = dcComplete = acCompleteCount = marker = 0;
    for (CJPEGColorComponent*& c : component)
        c = nullptr;
}

void CJPEGDecoder::ReleaseFrame()
{
    source = CJPEGSourceStream();
    for (CJPEGColorComponent*& c : component) {
        delete c;
        c = nullptr;
    }
    components = 0;
    zfmsFree_gn(coefficients);
    coefficients = nullptr;
    zfmsFree_gn(mcuBuffer);
    mcuBuffer = nullptr;
    zfmsFree_gn(seamRows);
    seamRows = nullptr;
    delete[] comment;
    comment = nullptr;
    headerRead = false;
    frameSeen = false;
    progressiveScansDecoded = false;
}

int CJPEGDecoder::AttachSource(const std::uint8_t* data, std::int32_t length)
{
    // Buffers sized for an earlier frame must never serve this one.
    ReleaseFrame();
    source.data = data;
    source.length = data ? (length > 0 ? length : 0) : 0;
    source.position = 0;
    return 0;
}

int CJPEGDecoder::ReadFrameHeader(int& outWidth, int& outHeight, int& outComponents, int& outColourCode,
                                  int& outSamplingMode, int& outPrecision)
{
    headerRead = false;
    if (source.data == nullptr)
        return -4;
    const int result = ScanMarkers(0);
    if (result != 0)
        return result;
    if (!frameSeen)
        return -3; // the image ended without a frame and scan
    ComputeGeometry();
    headerRead = true;
    outWidth = width;
    outHeight = height;
    outComponents = components;
    outColourCode = colourCode;
    outSamplingMode = samplingMode;
    outPrecision = precision;
    return 0;
}

void CJPEGDecoder::ComputeGeometry()
{
    if (process == 2) {
        mcuWidth = mcuHeight = 1;
    } else {
        mcuWidth = samplingMode != 0 ? 16 : 8;
        mcuHeight = samplingMode == 2 ? 16 : 8;
    }
    mcusPerRow = (width + mcuWidth - 1) / mcuWidth;
    mcuRows = (height + mcuHeight - 1) / mcuHeight;
    paddedWidth = mcusPerRow * mcuWidth;
    const int paddedHeight = mcuRows * mcuHeight;
    padX = paddedWidth - width;
    padY = paddedHeight - height;
    rowsToConvert = process == 1 ? paddedHeight : mcuHeight;
}

int CJPEGDecoder::SetOutputTargets(const std::vector<JpegOutputTarget>& newTargets, int lineStep, int newWidth,
                                   int newHeight, int channels, int bitsPerChannel)
{
    targets = newTargets;
    targetStep = lineStep;
    targetWidth = newWidth;
    targetHeight = newHeight;
    targetChannels = channels;
    targetDepth = bitsPerChannel;
    return 0;
}

int CJPEGDecoder::CheckTargets() const
{
    // Every target must hold the whole frame: the conversions write it all.
    if (targetWidth != width || targetHeight != height)
        return -5;
    const std::int64_t rowBytes = std::int64_t {width} * 3;
    if (targetStep < rowBytes)
        return -5;
    const std::int64_t needed = std::int64_t {targetStep} * (height - 1) + rowBytes;
    for (const JpegOutputTarget& target : targets) {
        if (!isKnownCode(target.code))
            continue;
        if (target.data == nullptr || target.size < needed)
            return -5;
    }
    return 0;
}

int CJPEGDecoder::DecodeFrame()
{
    targetsWritten = false;
    if (source.data == nullptr || !headerRead)
        return -4;
    if (const int refused = CheckTargets(); refused != 0) {
        ReleaseFrame();
        return refused;
    }
    std::uint8_t* bgr = nullptr;
    std::uint8_t* hsv = nullptr;
    std::uint8_t* hls = nullptr;
    ycbcrTarget = rgbTarget = nullptr;
    for (const JpegOutputTarget& target : targets) {
        switch (target.code) {
        case JpegOutputTarget::YCbCr: ycbcrTarget = target.data; break;
        case JpegOutputTarget::RGB: rgbTarget = target.data; break;
        case JpegOutputTarget::BGR: bgr = target.data; break;
        case JpegOutputTarget::HSV: hsv = target.data; break;
        case JpegOutputTarget::HLS: hls = target.data; break;
        default: break;
        }
    }
    rgbStep = targetStep;
    if ((bgr || hsv || hls) && rgbTarget == nullptr) {
        const std::int32_t size = width * height * 3;
        if (size != ownRgbSize) {
            zfmsFree_gn(ownRgb);
            ownRgb = static_cast<std::uint8_t*>(zfmsMalloc_8u_gn(size));
            ownRgbSize = ownRgb ? size : 0;
        }
        rgbTarget = ownRgb;
        rgbStep = width * 3;
    }
    int result = ScanMarkers(1);
    if (process == 1 && progressiveScansDecoded) {
        // Whatever arrived is shown, also when the data ended early.
        int converted = ReconstructImage();
        if (converted == 0)
            converted = UpsampleImage();
        if (converted == 0)
            converted = ConvertPlanes(0, targetHeight);
        if (result == 0)
            result = converted;
    }
    ReleaseFrame();
    if (targetsWritten && rgbTarget)
        DeriveColourTargets(bgr, hsv, hls);
    ycbcrTarget = rgbTarget = nullptr;
    return result;
}

void CJPEGDecoder::DeriveColourTargets(std::uint8_t* bgr, std::uint8_t* hsv, std::uint8_t* hls)
{
    const RoiSize region {width, height};
    static constexpr std::int32_t redBlueSwapped[3] = {2, 1, 0};
    if (bgr)
        zfmiSwapChannels_8u_C3R_gn(rgbTarget, rgbStep, bgr, targetStep, region, redBlueSwapped);
    if (hls)
        zfmiRGBToHLS_8u_C3R_gn(rgbTarget, rgbStep, hls, targetStep, region);
    if (hsv)
        zfmiRGBToHSV_8u_C3R_gn(rgbTarget, rgbStep, hsv, targetStep, region);
}
