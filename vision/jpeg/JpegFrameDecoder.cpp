#include "JpegFrameDecoder.h"

#include "CJPEGDecoder.h"

JpegFrameDecoder::JpegFrameDecoder() : decoder(std::make_unique<CJPEGDecoder>())
{
}

JpegFrameDecoder::~JpegFrameDecoder() = default;

bool JpegFrameDecoder::setSource(const std::uint8_t* data, int size)
{
    decoder->AttachSource(data, size);
    return readHeader();
}

bool JpegFrameDecoder::readHeader()
{
    int frameWidth = 0, frameHeight = 0, frameComponents = 0, colour = 0, sampling = 0, bits = 0;
    if (decoder->ReadFrameHeader(frameWidth, frameHeight, frameComponents, colour, sampling, bits) != 0)
        return false;
    if (frameComponents != 1 && frameComponents != 3)
        return false;
    if (width == 0 && height == 0) {
        width = frameWidth;
        height = frameHeight;
    }
    if (components == 0)
        components = frameComponents;
    if (frameWidth == width && frameHeight == height && frameComponents == components)
        return true;
    const std::uint8_t* data = decoder->SourceData();
    const std::int32_t length = decoder->SourceLength();
    decoder = std::make_unique<CJPEGDecoder>();
    decoder->AttachSource(data, length);
    if (decoder->ReadFrameHeader(frameWidth, frameHeight, frameComponents, colour, sampling, bits) != 0)
        return false;
    width = frameWidth;
    height = frameHeight;
    components = frameComponents;
    return true;
}

void JpegFrameDecoder::size(int& outWidth, int& outHeight) const
{
    outWidth = width;
    outHeight = height;
}

bool JpegFrameDecoder::setOutputs(const std::vector<JpegOutputTarget>& targets)
{
    const long long frameBytes = static_cast<long long>(height) * width * 3;
    for (const JpegOutputTarget& target : targets) {
        if (target.data == nullptr || target.size != frameBytes)
            return false;
    }
    decoder->SetOutputTargets(targets, width * 3, width, height, 3, 8);
    return true;
}

int JpegFrameDecoder::decodeStatus()
{
    return decoder->DecodeFrame();
}

bool JpegFrameDecoder::targetsWritten() const
{
    return decoder->TargetsWritten();
}
