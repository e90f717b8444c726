#include "ImageProcessor.h"

#include "Clock.h"
#include "ComCenterServices.h"
#include "RealtimeScheduling.h"
#include "State.h"
#include "StateProcessor.h"

ImageProcessor::ImageProcessor(StateProcessor* engine) : m_owner(engine)
{
}

ImageProcessor::~ImageProcessor()
{
    if (isRunning())
        stop();
}

void ImageProcessor::stop()
{
    m_running = false;
    m_gate.release();
    if (isRunning() || isFinished())
        StateProcessor::waitForStepEnd(m_loopEnded);
    wait();
}

void ImageProcessor::runImageCycle()
{
    ComCenterServices::current().receiveImage();
    stepRunningStates();
}

void ImageProcessor::run()
{
    if (m_owner->m_realtime)
        RealtimeScheduling::makeCurrentThreadRealtime(RealtimeScheduling::imagePriority);
    while (m_running) {
        m_gate.acquire();
        m_owner->m_lock.lock();
        while (m_running && !m_owner->m_list.isEmpty()) {
            m_owner->m_lock.unlock();
            const std::chrono::nanoseconds cycleStart = m_owner->clock().now();
            runImageCycle();
            finishCycle(cycleStart);
            m_owner->m_lock.lock();
        }
        m_owner->m_lock.unlock();
    }
    m_loopEnded.release();
}

void ImageProcessor::stepRunningStates()
{
    m_owner->m_lock.lock();
    m_index = 0;
    while (m_index < m_owner->m_list.size()) {
        m_removed = false;
        State* state = m_owner->m_list.at(m_index);
        m_currentState = state;
        if (!state->takeImageStep()) {
            ++m_index;
            continue;
        }
        m_inStep.acquire();
        m_owner->m_lock.unlock();
        if (m_currentState == state)
            state->imageStep();
        m_inStep.release();
        m_owner->m_lock.lock();
        if (m_currentState == state && !m_removed)
            ++m_index;
    }
    m_currentState = nullptr;
    m_owner->m_lock.unlock();
}

void ImageProcessor::finishCycle(std::chrono::nanoseconds cycleStart)
{
    Clock& clock = m_owner->clock();
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
