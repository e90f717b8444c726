#pragma once

#include "KelmarisCameraParameters.h"
#include "SimScript.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A simulated Kelmaris robot on a TCP port: digital and analogue inputs and outputs,
// distance sensors, a bumper, three omni-wheel motors that move a simulated pose,
// NorthStar readings from that pose, relays, battery values, camera frames and the
// info text. For tests it takes scripted sensor values, logs the commands of every
// exchange, can fall silent, refuses a second client and can drop its connection.
// Like a real robot it stops its motors when no velocity came for 100 ms.
class SimRobot
{
public:
    struct Pose
    {
        double x = 0.0; // mm
        double y = 0.0; // mm
        double phi = 0.0; // degrees
    };
    using LogSink = std::function<void(const std::string& line)>;

    static constexpr int motorCount = 3;
    static constexpr int motorTimeoutMs = 100;
    static constexpr int framePeriodMs = 40;

    SimRobot();
    ~SimRobot();
    SimRobot(const SimRobot&) = delete;
    SimRobot& operator=(const SimRobot&) = delete;

    // Listens on that address and port (0: a free one); false when it cannot.
    bool start(unsigned short port = 0, const std::string& address = "127.0.0.1");
    // Ends the client's connection in order and stops listening.
    void stop();
    unsigned short port() const { return listenPort.load(); }

    // Scripted sensor values.
    void setDigitalInput(unsigned index, bool on);
    void setAnalogInput(unsigned index, float volts);
    void setDistance(unsigned sensor, float volts);
    void setBumper(bool on);
    void setBattery(float volts);
    void setCurrent(float amperes);
    void setMotorCurrentAdc(unsigned motor, int raw);
    void setScript(const SimScript& script);
    void setInfoText(const std::string& text, bool passive = false);
    void setPose(const Pose& pose);

    // Test controls.
    void setPaused(bool paused);
    void dropConnection();
    // Called with every log line, on the simulator's thread.
    void setLogSink(LogSink sink);

    // What the robot saw.
    std::vector<std::string> commandLog() const;
    std::size_t exchangeCount() const;
    bool waitForExchanges(std::size_t count, int timeoutMs) const;
    bool waitForClient(bool connected, int timeoutMs) const;
    bool digitalOutput(unsigned index) const;
    bool relay(unsigned index) const;
    float motorVelocity(unsigned motor) const;
    bool shutdownRequested() const;
    bool imageRequested() const;
    KelmarisCameraParameters cameraParameters() const;
    Pose pose() const;
    std::size_t framesSent() const { return frameCount.load(); }

private:
    struct State;
    class Session;

    void acceptClients();
    void simulate();

    std::unique_ptr<State> state;
    std::atomic<unsigned short> listenPort {0};
    std::atomic<bool> running {false};
    int listener = -1;
    std::thread acceptor;
    std::thread physics;
    std::atomic<std::size_t> frameCount {0};
};
