// The engine thread reads the camera users every cycle while other threads register blocks.
#include "CameraCenter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(CameraCenterThreads, UserCountsReadWhileBlocksComeAndGo)
{
    CameraCenter center;
    std::atomic<bool> done {false};
    std::atomic<int> impossible {0};
    std::thread engine([&] {
        while (!done.load()) {
            const int users = center.numberOfUsers();
            if (users < 0 || users > 2)
                impossible.fetch_add(1);
        }
    });
    std::thread image([&] {
        for (int i = 0; i < 2000; ++i) {
            center.addUser(ColorFormat_t::HSV);
            center.requestedFormats();
            center.removeUser(ColorFormat_t::HSV);
        }
    });
    for (int i = 0; i < 2000; ++i) {
        center.addUser(ColorFormat_t::RGB);
        center.removeUser(ColorFormat_t::RGB);
    }
    image.join();
    done.store(true);
    engine.join();
    EXPECT_EQ(impossible.load(), 0);
    EXPECT_EQ(center.numberOfUsers(), 0);
}

} // namespace
