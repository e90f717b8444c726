#pragma once

#include "FrameStore.h"
#include "KelmarisCom.h"
#include "LinkCallbacks.h"
#include "RobotData.h"
#include "Socket.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

// The working part of KelmarisCom: one thread per connection that connects, greets the
// robot, runs the link's own exchange while it is switched on, watches for silence and
// reports how the connection ended.
class KelmarisCom::Private
{
public:
    static constexpr unsigned silenceTimeoutMs = 2000;
    static constexpr int connectTimeoutMs = 2000;
    // The engine's exchange waits at most this long for the robot's answer.
    static constexpr int exchangeWaitMs = 8;
    static constexpr int asyncPeriodMs = 20;
    static constexpr int pingPeriodMs = 200;

    ~Private();

    KelmarisComState::kelmarisComState_t state() const { return connectionState.load(); }
    void connectToHost(const std::string& host);
    void close();
    // The destructor's part: no more callbacks, every thread joined.
    void shutDown();
    bool exchange(bool wait);
    void sendShutdown();
    void sendCameraParameters(const KelmarisCameraParameters& parameters);

    LinkCallbacks callbacks;
    RobotData data;
    FrameStore frames;
    std::atomic<unsigned> imagePort {KelmarisCom::defaultImagePort};
    std::atomic<bool> asyncCommunication {true};
    std::atomic<bool> imageRequest {false};

private:
    enum class Ending { Cancelled, Closed, Failed };
    using Clock = std::chrono::steady_clock;

    void joinWorker();
    void run(std::string host, unsigned short port);
    int open(const std::string& host, unsigned short port);
    int greet();
    Ending serve(int& errorCode);
    bool sendRequest();
    void finish(Ending ending, int errorCode, bool wasConnected);
    bool sendFrame(std::uint8_t type, const WireWriter& payload);

    std::mutex control;
    std::thread worker;
    std::atomic<KelmarisComState::kelmarisComState_t> connectionState {KelmarisComState::Idle};
    std::atomic<bool> stopRequested {false};
    KelmarisSocket::FrameChannel channel;
    std::atomic<long long> lastSendMs {0};
};
