#pragma once

#include "BinarySemaphore.h"

#include <QThread>

#include <atomic>
#include <chrono>

class State;
class StateProcessor;

// The engine's image thread: fetches the newest camera image through the robot link,
// then steps the image blocks of every program in its owner's running list. It has no
// list of its own; it walks the owner's list under the owner's lock.
class ImageProcessor : public QThread
{
    Q_OBJECT

public:
    explicit ImageProcessor(StateProcessor* owner);
    ~ImageProcessor() override;

    // Ends the loop and joins the thread.
    void stop();
    // Opens the start gate (the first program was added).
    void openGate() { m_gate.release(); }
    // One image cycle in the calling thread: image fetch, then one image step of
    // every running program.
    void runImageCycle();

protected:
    void run() override;

private:
    friend class StateProcessor;

    void stepRunningStates();
    void finishCycle(std::chrono::nanoseconds cycleStart);

    StateProcessor* m_owner;
    BinarySemaphore m_gate {true};
    std::atomic<State*> m_currentState {nullptr};
    BinarySemaphore m_inStep;
    // Taken until the loop ends (see StateProcessor).
    BinarySemaphore m_loopEnded {true};
    int m_index = 0;
    bool m_removed = false;
    std::atomic<bool> m_running {true};
};
