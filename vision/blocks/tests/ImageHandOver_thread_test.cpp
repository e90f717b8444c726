// The image thread hands images to dialogs while the GUI thread opens and closes them: the
// hand-over and the dialog's going share one lock, so no image reaches a dialog being deleted
// and every image goes back to the pool.
#include "vision_helper.h"

#include "Camera.h"
#include "CameraHook.h"
#include "ImagePool.h"
#include "NodeDialog.h"
#include "State.h"
#include "StateNode.h"

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <thread>

using namespace visiontest;

TEST_F(VisionHarness, HandOverRacesTheDialogsClosing)
{
    Program one;
    one.node(Camera::maintype, 0);
    load(one.text());
    auto* camera = static_cast<Camera*>(block(Camera::maintype));
    const int before = inUse();
    ImageHandle source = pool->acquire(0);
    std::atomic<bool> done {false};
    std::thread imageThread([&] {
        while (!done.load()) {
            camera->imageLink.setImageCopy(source);
            camera->imageLink.setImage(pool->copy(source));
            std::this_thread::sleep_for(std::chrono::microseconds(200)); // a frame rate the GUI keeps up with
        }
    });
    for (int round = 0; round < 200; ++round) {
        camera->showDialog(&area, false);
        QCoreApplication::processEvents();
        if (NodeDialog* dialog = camera->dialog())
            dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    done.store(true);
    imageThread.join();
    QCoreApplication::processEvents();
    pool->release(source);
    EXPECT_EQ(inUse(), before);
}
