#include "ImageProcessor.h"

#include "Clock.h"
#include "ComCenterServices.h"
#include "RealtimeScheduling.h"
#include "State.h"
#include "StateProcessor.h"

ImageProcessor::ImageProcessor(StateProcessor* engine) : owner(engine)
{
}

ImageProcessor::~ImageProcessor()
{
    if (isRunning())
        stop();
}

void ImageProcessor::stop()
{
    running = false;
    gate.release();
    wait();
}

void ImageProcessor::runImageCycle()
{
    ComCenterServices::current().receiveImage();
    stepRunningStates();
}

void ImageProcessor::run()
{
    if (owner->realtime)
        RealtimeScheduling::makeCurrentThreadRealtime(RealtimeScheduling::imagePriority);
    while (running) {
        gate.acquire();
        owner->lock.lock();
        while (running && !owner->list.isEmpty()) {
            owner->lock.unlock();
            const std::chrono::nanoseconds cycleStart = owner->clock().now();
            runImageCycle();
            finishCycle(cycleStart);
            owner->lock.lock();
        }
        owner->lock.unlock();
    }
}

void ImageProcessor::stepRunningStates()
{
    owner->lock.lock();
    index = 0;
    while (index < owner->list.size()) {
        removed = false;
        State* state = owner->list.at(index);
        currentState = state;
        if (!state->takeImageStep()) {
            ++index;
            continue;
        }
        inStep.acquire();
        owner->lock.unlock();
        if (currentState == state)
            state->imageStep();
        inStep.release();
        owner->lock.lock();
        if (currentState == state && !removed)
            ++index;
    }
    currentState = nullptr;
    owner->lock.unlock();
}

void ImageProcessor::finishCycle(std::chrono::nanoseconds cycleStart)
{
    Clock& clock = owner->clock();
    const std::chrono::nanoseconds deadline = cycleStart + std::chrono::milliseconds(cycleTime);
    const std::chrono::nanoseconds now = clock.now();
    if (now < deadline) {
        clock.sleepUntil(deadline);
        imageFrequency = int(1000 / cycleTime);
        return;
    }
    const std::chrono::duration<double, std::milli> spent = now - cycleStart;
    imageFrequency = spent.count() > 0.0 ? int(1000.0 / spent.count()) : 0;
}
