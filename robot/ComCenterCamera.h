#pragma once

#include <atomic>

class KelmarisCom;

// What ComCenter needs of the camera side: how many camera blocks run, the camera
// settings the user chose, and the intake of camera frames. The camera part installs
// its own; without one no frames are asked for and frames are only counted.
class ComCenterCamera
{
public:
    struct Parameters
    {
        int brightness = 128;
        int contrast = 128;
        int imageSize = 0; // 0: 320 x 240, 1: 640 x 480
        int imageQuality = 0; // 0: JPEG, otherwise uncompressed
    };

    virtual ~ComCenterCamera();

    // Cycle thread.
    virtual int numberOfUsers() const;
    // GUI thread.
    virtual Parameters parameters() const;
    // Image thread: one intake pass until imageLoopActive is found cleared (a stop, which the
    // pass takes back by setting it again); the default takes a frame, records its size and
    // gives it back, and waits for one only while camera blocks run.
    virtual void receiveImage(KelmarisCom& com, std::atomic<bool>& imageLoopActive);
    // Any thread: makes a waiting receiveImage() return, or the next one when none waits.
    virtual void endImageLoop();
};
