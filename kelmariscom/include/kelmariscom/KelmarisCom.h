#pragma once

#include "KelmarisCameraParameters.h"
#include "KelmarisComState.h"
#include "KelmarisImage.h"
#include "KelmarisInfo.h"
#include "NorthStarCommand.h"
#include "NorthStarReadings.h"

#include <memory>
#include <string>

// The link to one Kelmaris robot: one TCP connection for hello, input/output exchanges,
// camera parameters and shutdown, and an image server on imagePort() to which the robot
// sends its camera frames.
//
// Every member is thread-safe. Callbacks run on the link's own thread and never while
// the link holds a lock of its own, so they may call back into the link (except close()
// and the destructor, which wait for that thread). While no connection stands, getters
// read 0 and setters are ignored.
//
// Error codes: 1 refused, 2 write failed, 3 read failed, 4 image server socket not
// created, 5 image port not bound, 6 robot silent for timeout() ms, 7 robot in use,
// 8 general error, 9 host name not resolved.
class KelmarisCom
{
public:
    using ErrorCallback = void (*)(void* user, int code);
    using Callback = void (*)(void* user);

    static constexpr unsigned short defaultPort = 4510;
    static constexpr unsigned short defaultImagePort = 4511;

    KelmarisCom();
    // Ends a connection without calling back; returns with every thread joined.
    ~KelmarisCom();
    KelmarisCom(const KelmarisCom&) = delete;
    KelmarisCom& operator=(const KelmarisCom&) = delete;

    void setErrorCallback(ErrorCallback callback, void* user);
    void setConnectedCallback(Callback callback, void* user);
    void setConnectionClosedCallback(Callback callback, void* user);
    void setKelmarisInfoReceivedCallback(Callback callback, void* user);

    // Connection
    KelmarisComState::kelmarisComState_t state() const;
    // False: no attempt can be made (the link is not idle).
    bool init(bool enable);
    // "host" or "host:port"; returns at once, the outcome comes through the callbacks.
    void connectToHost(std::string host);
    // Ends the connection or the attempt; an established connection reports its end
    // through the closed callback. Nothing happens while idle.
    void close();
    bool isConnected() const;
    // Tells the robot to switch itself off.
    void setShutdown();
    KelmarisInfo kelmarisInfo() const;
    unsigned imagePort() const;
    // Takes effect at the next connection.
    void setImagePort(unsigned port);
    // Milliseconds of silence after which an established connection fails with code 6.
    unsigned timeout() const;

    // Exchange
    void stopAsyncCommunication();
    void startAsyncCommunication();
    // Sends the values set since the last exchange and waits (bounded well below one
    // 20 ms cycle) for fresh sensor values; false when none came in time.
    bool receiveIoStatus(bool wait);
    void setImageRequest(bool on);
    unsigned serialLineFrequency() const;

    // Inputs and outputs; indexes count from 0, distance sensors from 1.
    unsigned numDigitalInput() const;
    bool digitalInput(std::string name) const; // "DI0" …
    void setDigitalOutput(std::string name, bool on); // "DO0" …, relays "R0", "R1"
    unsigned numADC() const;
    float analogInput(unsigned index) const; // volts
    bool bumper() const;
    float voltageBatt1plus2() const; // volts
    float current() const; // amperes
    unsigned numDistanceSensors() const;
    float distance(unsigned sensor) const; // volts, sensor 1 … count
    unsigned numMotors() const;
    void setBrake(unsigned motor, bool on);
    void addVelocity(unsigned motor, float rpm, float priority);
    void setKp(unsigned motor, float kp);
    void setKi(unsigned motor, float ki);
    void setKd(unsigned motor, float kd);
    void resetPosition(unsigned motor, bool reset);
    float actualVelocity(unsigned motor) const; // rpm
    int position(unsigned motor) const;
    int adc(std::string name) const; // "S0_AD0" …: raw motor current
    NorthStarReadings northStarReadings() const;
    void setNorthStarCommand(const NorthStarCommand& command);

    // Camera
    KelmarisCameraParameters cameraParameters() const;
    void setCameraParameters(const KelmarisCameraParameters& parameters);
    // The newest frame not handed out before, or null; valid until unlockImage().
    const KelmarisImage* lockImage();
    void unlockImage();

    class Private;

private:
    std::unique_ptr<Private> d;
};
