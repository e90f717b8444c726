#include "ComCenterCamera.h"

#include "ComCenter.h"
#include "KelmarisCom.h"
#include "PerformanceTimer.h"

namespace {
// 50 ms would cap a 25 frames-per-second camera at 20; 10 ms keeps up with it.
constexpr int framePollMs = 10;
} // namespace

ComCenterCamera::~ComCenterCamera() = default;

int ComCenterCamera::numberOfUsers() const
{
    return 0;
}

ComCenterCamera::Parameters ComCenterCamera::parameters() const
{
    return {};
}

void ComCenterCamera::endImageLoop()
{
}

void ComCenterCamera::receiveImage(KelmarisCom& com, std::atomic<bool>& imageLoopActive)
{
    // Without camera users no frames are asked for, so there is nothing to wait for.
    imageLoopActive.store(numberOfUsers() > 0);
    do {
        if (const KelmarisImage* frame = com.lockImage()) {
            lastImageSize.store(static_cast<unsigned>(frame->size));
            com.unlockImage();
            return;
        }
        if (imageLoopActive.load())
            PerformanceTimer::sleep(framePollMs);
    } while (com.isConnected() && imageLoopActive.load());
}
