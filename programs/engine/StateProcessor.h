#pragma once

#include "BinarySemaphore.h"

#include <QList>
#include <QThread>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

class Clock;
class ImageProcessor;
class QEvent;
class QObject;
class State;

// The execution engine: steps every running function-block program in a fixed 20 ms
// cycle on its own thread, runs the robot exchange after each cycle and tells the main
// window to refresh; its ImageProcessor steps the image blocks of the same programs.
// Without threads (the workspace runner, tests) the owner drives cycles with runCycle().
class StateProcessor : public QThread
{
    Q_OBJECT

public:
    struct Options
    {
        Clock* clock = nullptr; // null: the system clock
        bool threaded = true; // false: no threads, cycles through runCycle()
        bool realtime = true; // try SCHED_FIFO for the engine threads
    };
    using EventPoster = std::function<void(QObject* receiver, QEvent* event)>;
    using LatenessRecorder = std::function<void(std::chrono::nanoseconds lateness)>;

    StateProcessor();
    explicit StateProcessor(const Options& options);
    ~StateProcessor() override;

    void addState(State* state);
    void removeState(State* state);
    void removeAll();
    // Stops every program, ends the image loop and joins both threads.
    void stopThreads();

    int count() const { return m_listedCount.load(); }
    bool contains(const State* state) const;
    QList<State*> runningStates() const;

    // One cycle in the calling thread, without sleeping: the start of a run when due,
    // one step of every running program and of their image blocks, the robot exchange,
    // and the end of the run when the last program has stopped. False when nothing ran.
    bool runCycle();

    // Every event the engine sends goes through this (tests record them); the default
    // posts to the receiver and drops events that have none.
    void setEventPoster(EventPoster poster);
    // Called by the cycle thread with how late each cycle started against its deadline.
    // Set it only while no program runs.
    void setLatenessRecorder(LatenessRecorder recorder);
    // Cycles that needed more than the cycle time.
    int overrunCount() const { return m_overruns.load(); }
    Clock& clock() const { return *m_timeSource; }

    // The process-wide engine; created with its threads on first use.
    static StateProcessor& current();
    // Replaces the process-wide engine (tests, the workspace runner); null puts the
    // process default back. The caller keeps ownership.
    static void install(StateProcessor* engine);

protected:
    void run() override;

private:
    friend class ImageProcessor;

    void runSession();
    void beginSession();
    void endSession();
    void postRefreshWhenDue();
    void stepRunningStates();
    // Steps one program; false when the index must stay (the program left the list).
    bool stepListedState(State* state);
    void finishCycle(std::chrono::nanoseconds cycleStart, std::chrono::nanoseconds& deadline);
    void post(QObject* receiver, QEvent* event) const;
    // Waits until the semaphore is free, and leaves it free.
    static void waitForStepEnd(BinarySemaphore& semaphore);
    // Waits until the thread's loop has ended; at once when it never started.
    void waitForLoopEnd();

    Clock* m_timeSource;
    const bool m_realtime;
    std::unique_ptr<ImageProcessor> m_imageThread;
    BinarySemaphore m_gate {true};
    mutable std::mutex m_lock;
    QList<State*> m_list;
    std::atomic<int> m_listedCount {0};
    int m_index = 0;
    bool m_removed = false;
    std::atomic<State*> m_currentState {nullptr};
    BinarySemaphore m_inStep;
    // Taken until the loop ends: a join that ThreadSanitizer sees, as it cannot see
    // QThread::wait().
    BinarySemaphore m_loopEnded {true};
    std::atomic<bool> m_running {true};
    bool m_sessionOpen = false;
    int m_eventCounter = 0;
    std::atomic<int> m_overruns {0};
    EventPoster m_poster;
    LatenessRecorder m_latenessRecorder;
};

// Milliseconds per cycle; never changed.
extern const unsigned cycleTime;
// Achieved cycles per second of the two engine threads, for the shell's display.
extern std::atomic<int> cycleFrequency;
extern std::atomic<int> imageFrequency;
// The names under which the shell reads them.
inline std::atomic<int>& programRate = cycleFrequency;
inline std::atomic<int>& imageRate = imageFrequency;

// The process-wide engine's running programs (a copy). It takes the engine's lock, so
// a block must not call it from inside its step.
QList<State*> runningStates();
bool isAnyStateRunning();
// Stops every running program, in start order.
void stopAllStates();
// Stops every program and ends both engine threads; main() calls it after the event loop.
void stopEngine();
