#pragma once

#include "KelmarisImage.h"

#include <mutex>
#include <vector>

// The newest camera frame and the one lent out: the receiver fills the newest while the
// lent one stays untouched until it is given back.
class FrameStore
{
public:
    // Receiver side; the bytes of data are taken over.
    void put(int type, int width, int height, unsigned tag, std::vector<unsigned char>& data);
    void clear();

    const KelmarisImage* lock();
    void unlock();

private:
    std::mutex mutex;
    std::vector<unsigned char> newest;
    KelmarisImage newestImage;
    bool fresh = false;
    std::vector<unsigned char> lent;
    KelmarisImage lentImage;
    bool isLent = false;
};
