#include "StateProcessor.h"

#include "Clock.h"
#include "ComCenterServices.h"
#include "ImageProcessor.h"
#include "RealtimeScheduling.h"
#include "ShellServices.h"
#include "State.h"
#include "StateBaseStopEvent.h"
#include "StateProcessorStartEvent.h"
#include "StateProcessorStepEvent.h"
#include "StateProcessorStopEvent.h"
#include "ThreadHandOver.h"

#include <QCoreApplication>

#include <mutex>

const unsigned cycleTime = 20;
std::atomic<int> cycleFrequency {0};
std::atomic<int> imageFrequency {0};

namespace {

constexpr std::chrono::milliseconds cyclePeriod(cycleTime);
constexpr int refreshEvery = 2;

std::atomic<StateProcessor*> installedEngine {nullptr};

StateProcessor& processEngine()
{
    // Never destroyed: its threads wait at their gates until stopEngine() or the
    // process's end, and no static destructor may join them.
    static StateProcessor* engine = new StateProcessor();
    return *engine;
}

void postOrDrop(QObject* receiver, QEvent* event)
{
    if (receiver)
        postHandOver(receiver, event);
    else
        delete event;
}

} // namespace

StateProcessor::StateProcessor() : StateProcessor(Options())
{
}

StateProcessor::StateProcessor(const Options& options)
    : m_timeSource(options.clock ? options.clock : &systemClock())
    , m_realtime(options.realtime)
    , m_imageThread(std::make_unique<ImageProcessor>(this))
    , m_poster(postOrDrop)
{
    if (!options.threaded)
        return;
    start();
    m_imageThread->start();
}

StateProcessor::~StateProcessor()
{
    if (isRunning() || m_imageThread->isRunning() || count() != 0)
        stopThreads();
}

void StateProcessor::addState(State* state)
{
    const std::lock_guard locker(m_lock);
    if (m_list.contains(state))
        return;
    m_list.append(state);
    m_listedCount = int(m_list.size());
    state->setListedBy(this);
    if (m_list.size() == 1) {
        m_gate.release();
        m_imageThread->openGate();
    }
}

void StateProcessor::removeState(State* state)
{
    const std::lock_guard locker(m_lock);
    const qsizetype position = m_list.indexOf(state);
    if (position < 0)
        return;
    if (position <= m_index)
        m_removed = true;
    if (position <= m_imageThread->m_index)
        m_imageThread->m_removed = true;
    m_list.removeAt(position);
    m_listedCount = int(m_list.size());
    state->setListedBy(nullptr);
    // The stop set the program's aborted flag, so a running step ends at the next block
    // boundary; its blocks are stopped only after that, never during their step.
    if (m_currentState == state) {
        m_currentState = nullptr;
        waitForStepEnd(m_inStep);
    }
    if (m_imageThread->m_currentState == state) {
        m_imageThread->m_currentState = nullptr;
        waitForStepEnd(m_imageThread->m_inStep);
    }
    post(ShellServices::current().mainWindow(), new StateBaseStopEvent(state->id()));
}

void StateProcessor::removeAll()
{
    m_lock.lock();
    while (!m_list.isEmpty()) {
        State* first = m_list.first();
        m_lock.unlock();
        removeState(first);
        m_lock.lock();
    }
    m_lock.unlock();
}

void StateProcessor::stopThreads()
{
    for (State* state : runningStates())
        state->stop();
    removeAll();
    m_running = false;
    // A waiting image fetch would never see the stop event once the event loop has ended.
    ComCenterServices::current().endImageLoop();
    m_gate.release();
    m_imageThread->stop();
    waitForLoopEnd();
}

void StateProcessor::waitForLoopEnd()
{
    if (isRunning() || isFinished())
        waitForStepEnd(m_loopEnded);
    wait();
}

bool StateProcessor::contains(const State* state) const
{
    return state && state->listedBy() == this;
}

QList<State*> StateProcessor::runningStates() const
{
    const std::lock_guard locker(m_lock);
    return m_list;
}

bool StateProcessor::runCycle()
{
    bool idle;
    {
        const std::lock_guard locker(m_lock);
        idle = m_list.isEmpty();
    }
    if (idle) {
        if (m_sessionOpen)
            endSession(); // the last program was stopped between cycles
        return false;
    }
    if (!m_sessionOpen)
        beginSession();
    postRefreshWhenDue();
    stepRunningStates();
    ComCenterServices::current().exchangeIo();
    m_imageThread->runImageCycle();
    ++m_eventCounter;
    bool empty;
    {
        const std::lock_guard locker(m_lock);
        empty = m_list.isEmpty();
    }
    if (empty)
        endSession();
    return true;
}

void StateProcessor::setEventPoster(EventPoster newPoster)
{
    m_poster = newPoster ? std::move(newPoster) : EventPoster(postOrDrop);
}

void StateProcessor::setLatenessRecorder(LatenessRecorder recorder)
{
    m_latenessRecorder = std::move(recorder);
}

StateProcessor& StateProcessor::current()
{
    StateProcessor* engine = installedEngine.load();
    return engine ? *engine : processEngine();
}

void StateProcessor::install(StateProcessor* engine)
{
    installedEngine.store(engine);
}

void StateProcessor::run()
{
    if (m_realtime)
        RealtimeScheduling::makeCurrentThreadRealtime(RealtimeScheduling::cyclePriority);
    while (m_running) {
        m_gate.acquire();
        if (!m_running)
            break;
        runSession();
    }
    m_loopEnded.release();
}

void StateProcessor::runSession()
{
    {
        // The gate may have been opened for a run that ended before this thread got to it.
        const std::lock_guard locker(m_lock);
        if (m_list.isEmpty())
            return;
    }
    beginSession();
    std::chrono::nanoseconds deadline = m_timeSource->now();
    m_lock.lock();
    while (!m_list.isEmpty()) {
        m_lock.unlock();
        const std::chrono::nanoseconds cycleStart = m_timeSource->now();
        if (m_latenessRecorder)
            m_latenessRecorder(cycleStart - deadline);
        postRefreshWhenDue();
        stepRunningStates();
        ComCenterServices::current().exchangeIo();
        finishCycle(cycleStart, deadline);
        m_lock.lock();
    }
    m_lock.unlock();
    endSession();
}

void StateProcessor::beginSession()
{
    post(ComCenterServices::current().eventReceiver(), new StateProcessorStartEvent);
    ComCenterServices::current().exchangeIo();
    m_eventCounter = refreshEvery;
    m_sessionOpen = true;
}

void StateProcessor::endSession()
{
    post(ComCenterServices::current().eventReceiver(), new StateProcessorStopEvent);
    m_sessionOpen = false;
}

void StateProcessor::postRefreshWhenDue()
{
    if (m_eventCounter < refreshEvery)
        return;
    post(ShellServices::current().mainWindow(), new StateProcessorStepEvent);
    m_eventCounter = 0;
}

void StateProcessor::stepRunningStates()
{
    m_lock.lock();
    m_index = 0;
    while (m_index < m_list.size()) {
        m_removed = false;
        State* state = m_list.at(m_index);
        m_currentState = state;
        if (!state->takeCycleStep()) {
            ++m_index;
            continue;
        }
        m_inStep.acquire();
        m_lock.unlock();
        const bool stepped = stepListedState(state);
        m_lock.lock();
        if (stepped ? (m_currentState == state && !m_removed)
                    : (m_index < m_list.size() && m_list.at(m_index) == state))
            ++m_index;
    }
    m_currentState = nullptr;
    m_lock.unlock();
}

bool StateProcessor::stepListedState(State* state)
{
    if (m_currentState != state) {
        m_inStep.release();
        return false;
    }
    // An exit whose stop could not be claimed last cycle (a start still held the run
    // lock) is not stepped past: its stop is claimed again now.
    if (state->exitCode() <= 0) {
        state->step();
        if (m_currentState != state) {
            m_inStep.release();
            return false;
        }
    }
    // While this thread holds the step gate no other thread can finish stopping or
    // deleting the program, so its exit code is read and its stop claimed here.
    if (state->exitCode() <= 0) {
        m_inStep.release();
        return true;
    }
    StateBase::StopClaim claim = state->tryClaimStop();
    m_inStep.release();
    // Without the claim another thread is stopping or starting the program: a stop ends
    // it; after a start the exit is still there in the next cycle.
    if (!claim.owns_lock())
        return true;
    state->stop(std::move(claim)); // its removal must not wait for this step
    return false;
}

void StateProcessor::finishCycle(std::chrono::nanoseconds cycleStart, std::chrono::nanoseconds& deadline)
{
    const std::chrono::nanoseconds next = deadline + cyclePeriod;
    const std::chrono::nanoseconds now = m_timeSource->now();
    if (now < next) {
        m_timeSource->sleepUntil(next);
        deadline = next;
        cycleFrequency = int(1000 / cycleTime);
    } else {
        // Overrun: the next cycle starts at once, and later ones do not try to catch up.
        ++m_overruns;
        deadline = now;
        const std::chrono::duration<double, std::milli> spent = now - cycleStart;
        cycleFrequency = spent.count() > 0.0 ? int(1000.0 / spent.count()) : 0;
    }
    ++m_eventCounter;
}

void StateProcessor::post(QObject* receiver, QEvent* event) const
{
    m_poster(receiver, event);
}

void StateProcessor::waitForStepEnd(BinarySemaphore& stepSemaphore)
{
    stepSemaphore.acquire();
    stepSemaphore.release();
}

QList<State*> runningStates()
{
    return StateProcessor::current().runningStates();
}

bool isAnyStateRunning()
{
    return StateProcessor::current().count() != 0;
}

void stopAllStates()
{
    for (State* state : runningStates())
        state->stop();
}

void stopEngine()
{
    StateProcessor::current().stopThreads();
}
