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
    const bool waitForFrame = numberOfUsers() > 0;
    for (;;) {
        if (const KelmarisImage* frame = com.lockImage()) {
            lastImageSize.store(static_cast<unsigned>(frame->size));
            com.unlockImage();
            return;
        }
        // A stop is taken by the wait it ends, never overwritten: one that came just before
        // this call ends it at once.
        if (!waitForFrame || !com.isConnected() || !imageLoopActive.exchange(true))
            return;
        PerformanceTimer::sleep(framePollMs);
    }
}
