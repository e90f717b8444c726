#pragma once

#include <atomic>
#include <string>
#include <thread>

class FrameStore;

// The image channel: listens on the image port of our side of the robot connection,
// takes the robot's one connection and puts every frame it sends into the store.
class ImageServer
{
public:
    enum Result { Listening = 0, SocketFailed = 4, BindFailed = 5 };

    explicit ImageServer(FrameStore& frames) : frames(frames) { }
    ~ImageServer();

    Result start(const std::string& address, unsigned port);
    // Returns with the thread joined.
    void stop();

private:
    void run();
    void receiveFrames(int fd);

    FrameStore& frames;
    int listener = -1;
    std::atomic<bool> stopping {false};
    std::thread thread;
};
