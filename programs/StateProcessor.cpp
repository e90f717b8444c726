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

#include <QCoreApplication>

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
        QCoreApplication::postEvent(receiver, event);
    else
        delete event;
}

} // namespace

StateProcessor::StateProcessor() : StateProcessor(Options())
{
}

StateProcessor::StateProcessor(const Options& options)
    : timeSource(options.clock ? options.clock : &systemClock())
    , realtime(options.realtime)
    , imageThread(std::make_unique<ImageProcessor>(this))
    , poster(postOrDrop)
{
    if (!options.threaded)
        return;
    start();
    imageThread->start();
}

StateProcessor::~StateProcessor()
{
    if (isRunning() || imageThread->isRunning() || count() != 0)
        stopThreads();
}

void StateProcessor::addState(State* state)
{
    QMutexLocker locker(&lock);
    if (list.contains(state))
        return;
    list.append(state);
    listedCount = int(list.size());
    state->setListedBy(this);
    if (list.size() == 1) {
        gate.release();
        imageThread->openGate();
    }
}

void StateProcessor::removeState(State* state)
{
    QMutexLocker locker(&lock);
    const qsizetype position = list.indexOf(state);
    if (position < 0)
        return;
    if (position <= index)
        removed = true;
    if (position <= imageThread->index)
        imageThread->removed = true;
    list.removeAt(position);
    listedCount = int(list.size());
    state->setListedBy(nullptr);
    // The stop set the program's aborted flag, so a running step ends at the next block
    // boundary; its blocks are stopped only after that, never during their step.
    if (currentState == state) {
        currentState = nullptr;
        waitForStepEnd(inStep);
    }
    if (imageThread->currentState == state) {
        imageThread->currentState = nullptr;
        waitForStepEnd(imageThread->inStep);
    }
    post(ShellServices::current().mainWindow(), new StateBaseStopEvent(state->id()));
}

void StateProcessor::removeAll()
{
    lock.lock();
    while (!list.isEmpty()) {
        State* first = list.first();
        lock.unlock();
        removeState(first);
        lock.lock();
    }
    lock.unlock();
}

void StateProcessor::stopThreads()
{
    for (State* state : runningStates())
        state->stop();
    removeAll();
    running = false;
    // A waiting image fetch would never see the stop event once the event loop has ended.
    ComCenterServices::current().endImageLoop();
    gate.release();
    imageThread->stop();
    wait();
}

bool StateProcessor::contains(const State* state) const
{
    return state && state->listedBy() == this;
}

QList<State*> StateProcessor::runningStates() const
{
    QMutexLocker locker(&lock);
    return list;
}

bool StateProcessor::runCycle()
{
    bool idle;
    {
        QMutexLocker locker(&lock);
        idle = list.isEmpty();
    }
    if (idle) {
        if (sessionOpen)
            endSession(); // the last program was stopped between cycles
        return false;
    }
    if (!sessionOpen)
        beginSession();
    postRefreshWhenDue();
    stepRunningStates();
    ComCenterServices::current().exchangeIo();
    imageThread->runImageCycle();
    ++eventCounter;
    bool empty;
    {
        QMutexLocker locker(&lock);
        empty = list.isEmpty();
    }
    if (empty)
        endSession();
    return true;
}

void StateProcessor::setEventPoster(EventPoster newPoster)
{
    poster = newPoster ? std::move(newPoster) : EventPoster(postOrDrop);
}

void StateProcessor::setLatenessRecorder(LatenessRecorder recorder)
{
    latenessRecorder = std::move(recorder);
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
    if (realtime)
        RealtimeScheduling::makeCurrentThreadRealtime(RealtimeScheduling::cyclePriority);
    while (running) {
        gate.acquire();
        if (!running)
            break;
        runSession();
    }
}

void StateProcessor::runSession()
{
    {
        // The gate may have been opened for a run that ended before this thread got to it.
        QMutexLocker locker(&lock);
        if (list.isEmpty())
            return;
    }
    beginSession();
    std::chrono::nanoseconds deadline = timeSource->now();
    lock.lock();
    while (!list.isEmpty()) {
        lock.unlock();
        const std::chrono::nanoseconds cycleStart = timeSource->now();
        if (latenessRecorder)
            latenessRecorder(cycleStart - deadline);
        postRefreshWhenDue();
        stepRunningStates();
        ComCenterServices::current().exchangeIo();
        finishCycle(cycleStart, deadline);
        lock.lock();
    }
    lock.unlock();
    endSession();
}

void StateProcessor::beginSession()
{
    post(ComCenterServices::current().eventReceiver(), new StateProcessorStartEvent);
    ComCenterServices::current().exchangeIo();
    eventCounter = refreshEvery;
    sessionOpen = true;
}

void StateProcessor::endSession()
{
    post(ComCenterServices::current().eventReceiver(), new StateProcessorStopEvent);
    sessionOpen = false;
}

void StateProcessor::postRefreshWhenDue()
{
    if (eventCounter < refreshEvery)
        return;
    post(ShellServices::current().mainWindow(), new StateProcessorStepEvent);
    eventCounter = 0;
}

void StateProcessor::stepRunningStates()
{
    lock.lock();
    index = 0;
    while (index < list.size()) {
        removed = false;
        State* state = list.at(index);
        currentState = state;
        if (!state->takeCycleStep()) {
            ++index;
            continue;
        }
        inStep.acquire();
        lock.unlock();
        const bool stepped = stepListedState(state);
        lock.lock();
        if (stepped ? (currentState == state && !removed)
                    : (index < list.size() && list.at(index) == state))
            ++index;
    }
    currentState = nullptr;
    lock.unlock();
}

bool StateProcessor::stepListedState(State* state)
{
    if (currentState != state) {
        inStep.release();
        return false;
    }
    state->step();
    if (currentState != state) {
        inStep.release();
        return false;
    }
    inStep.release();
    if (state->exitCode() > 0) {
        // Ends the program inside this cycle; its removal must not wait for this step.
        state->stop();
        return false;
    }
    return true;
}

void StateProcessor::finishCycle(std::chrono::nanoseconds cycleStart, std::chrono::nanoseconds& deadline)
{
    const std::chrono::nanoseconds next = deadline + cyclePeriod;
    const std::chrono::nanoseconds now = timeSource->now();
    if (now < next) {
        timeSource->sleepUntil(next);
        deadline = next;
        cycleFrequency = int(1000 / cycleTime);
    } else {
        // Overrun: the next cycle starts at once, and later ones do not try to catch up.
        ++overruns;
        deadline = now;
        const std::chrono::duration<double, std::milli> spent = now - cycleStart;
        cycleFrequency = spent.count() > 0.0 ? int(1000.0 / spent.count()) : 0;
    }
    ++eventCounter;
}

void StateProcessor::post(QObject* receiver, QEvent* event) const
{
    poster(receiver, event);
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
