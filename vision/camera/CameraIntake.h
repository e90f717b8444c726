#pragma once

#include "CameraFrame.h"
#include "ColorFormat.h"
#include "ImageHandle.h"
#include "JpegFrameDecoder.h"

#include <atomic>
#include <map>

class CameraCenter;
class ImagePool;

// The image thread's intake of camera frames: waits for the newest frame, decodes it once into
// one pool image per colour format that camera blocks asked for (or copies an uncompressed RGB
// frame), and lends those images to the camera blocks during the cycle.
class CameraIntake
{
public:
    struct FrameImage
    {
        ImageHandle handle;
        unsigned takeCount = 0;
    };

    CameraIntake(CameraFrameSource& source, CameraCenter& center);
    ~CameraIntake();
    CameraIntake(const CameraIntake&) = delete;
    CameraIntake& operator=(const CameraIntake&) = delete;

    // Image thread: one intake pass; returns after one frame was handled, or at once when the
    // source is not connected or the loop was ended.
    void receiveImage();
    // Image thread: the frame image of a format: the stored handle to the first taker, a pool
    // copy to every later one; none when the frame has no image of that format.
    ImageHandle image(ColorFormat_t::colorFormat_t format);
    // Any thread: makes a waiting receiveImage() return, or the next one when none waits.
    void endImageLoop() { imageLoopActive.store(false); }

    // The intake camera blocks take their frames from: the one constructed last that still lives.
    static CameraIntake* current() { return currentIntake.load(); }

    // Data size of the newest frame, in bytes, for the frequency display.
    static int lastFrameSize() { return frameSize.load(); }

private:
    void decodeJpegImage(const CameraFrame& frame);
    void storeRawImage(const CameraFrame& frame);
    void dropFrameImages();

    CameraFrameSource& source;
    CameraCenter& center;
    JpegFrameDecoder jpegDecoder;
    std::map<ColorFormat_t::colorFormat_t, FrameImage> frameImages;
    // Cleared by endImageLoop(); set again by the wait that the stop ends.
    std::atomic<bool> imageLoopActive {true};
    static std::atomic<int> frameSize;
    static std::atomic<CameraIntake*> currentIntake;
};
