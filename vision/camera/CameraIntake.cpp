#include "CameraIntake.h"

#include "CameraCenter.h"
#include "ImagePool.h"
#include "ImageSizes.h"
#include "PerformanceTimer.h"
#include "XKDWorkImage.h"

#include <cstring>
#include <vector>

std::atomic<int> CameraIntake::frameSize {0};
std::atomic<CameraIntake*> CameraIntake::currentIntake {nullptr};

namespace {

// 50 ms would hold a 25 frames-per-second camera to 20; 10 ms keeps up with it.
constexpr unsigned pollMilliseconds = 10;

int outputCode(ColorFormat_t::colorFormat_t format)
{
    switch (format) {
    case ColorFormat_t::YCbCr: return JpegOutputTarget::YCbCr;
    case ColorFormat_t::HSV: return JpegOutputTarget::HSV;
    case ColorFormat_t::HLS: return JpegOutputTarget::HLS;
    default: return JpegOutputTarget::RGB;
    }
}

} // namespace

CameraIntake::CameraIntake(CameraFrameSource& source, CameraCenter& center) : source(source), center(center)
{
    currentIntake.store(this);
}

CameraIntake::~CameraIntake()
{
    CameraIntake* self = this;
    currentIntake.compare_exchange_strong(self, nullptr);
    dropFrameImages();
}

void CameraIntake::receiveImage()
{
    // A stop is taken by the wait it ends, never overwritten: one that came just before this
    // call ends it at once.
    while (imageLoopActive.exchange(true)) {
        if (!source.isConnected())
            break;
        const CameraFrame* frame = source.lockImage();
        if (!frame) {
            PerformanceTimer::sleep(pollMilliseconds);
            continue;
        }
        frameSize.store(frame->size);
        dropFrameImages();
        if (frame->type == CameraFrame::Jpeg || frame->type == CameraFrame::RawRgb) {
            if (frame->type == CameraFrame::Jpeg)
                decodeJpegImage(*frame);
            else
                storeRawImage(*frame);
            source.unlockImage();
            return;
        }
        source.unlockImage();
    }
    dropFrameImages();
}

// Images nobody took go back to the pool; taken ones belong to their takers.
void CameraIntake::dropFrameImages()
{
    ImagePool* pool = ImagePool::global();
    for (auto& [format, frameImage] : frameImages) {
        if (frameImage.takeCount == 0 && pool)
            pool->release(frameImage.handle);
    }
    frameImages.clear();
}

ImageHandle CameraIntake::image(ColorFormat_t::colorFormat_t format)
{
    const auto found = frameImages.find(format);
    if (found == frameImages.end())
        return ImageHandle {ImageSizes::noImage, 0};
    FrameImage& frameImage = found->second;
    if (frameImage.handle.isNone())
        return frameImage.handle;
    if (++frameImage.takeCount == 1)
        return frameImage.handle;
    ImagePool* pool = ImagePool::global();
    return pool ? pool->copy(frameImage.handle) : ImageHandle();
}

void CameraIntake::decodeJpegImage(const CameraFrame& frame)
{
    ImagePool* pool = ImagePool::global();
    if (!pool || !jpegDecoder.setSource(frame.data, frame.size))
        return;
    int width = 0;
    int height = 0;
    jpegDecoder.size(width, height);
    const unsigned sizeIndex = imageSizeIndex(static_cast<unsigned>(width), height);
    // The pool has no images of any other size.
    if (sizeIndex == ImageSizes::noImage)
        return;
    std::vector<JpegOutputTarget> targets;
    for (const ColorFormat_t::colorFormat_t format : center.requestedFormats()) {
        const ImageHandle handle = pool->acquire(sizeIndex);
        frameImages[format] = FrameImage {handle, 0};
        XKDImage* image = pool->image(handle);
        image->setColorFormat(format);
        image->setTag(frame.tag);
        targets.push_back({image->data(), image->width() * image->height() * image->channels(), outputCode(format)});
    }
    if (targets.empty())
        return;
    const bool handedOver = jpegDecoder.setOutputs(targets);
    const int status = handedOver ? jpegDecoder.decodeStatus() : -5;
    // A truncated frame shows what arrived; anything else would show an earlier frame's pixels.
    const bool shown = status == 0 || (status == -3 && jpegDecoder.targetsWritten());
    if (!shown)
        dropFrameImages();
}

void CameraIntake::storeRawImage(const CameraFrame& frame)
{
    ImagePool* pool = ImagePool::global();
    const bool large = frame.width == 640 && frame.height == 480;
    const bool small = frame.width == 320 && frame.height == 240;
    if (!pool || !frame.data || (!large && !small) || frame.width * frame.height * 3 != frame.size)
        return;
    const ImageHandle handle = pool->acquire(large ? 1 : 0);
    frameImages[ColorFormat_t::RGB] = FrameImage {handle, 0};
    XKDImage* image = pool->image(handle);
    image->setColorFormat(ColorFormat_t::RGB);
    std::memcpy(image->data(), frame.data, static_cast<std::size_t>(frame.size));
    image->setTag(frame.tag);
}
