#pragma once

#include "KelmarisCameraParameters.h"
#include "KelmarisInfo.h"
#include "NorthStarCommand.h"
#include "NorthStarReadings.h"
#include "Protocol.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// The robot's values as the last status brought them, and the commands set since the
// last exchange. While no connection stands every value reads 0 and setters do nothing.
class RobotData
{
public:
    void open(const KelmarisProtocol::WelcomeMessage& welcome);
    void clear();

    KelmarisProtocol::Counts counts() const;
    KelmarisInfo info() const;
    KelmarisCameraParameters cameraParameters() const;
    void setCameraParameters(const KelmarisCameraParameters& parameters);
    unsigned serialLineFrequency() const;
    bool digitalInput(const std::string& name) const;
    float analogInput(unsigned index) const;
    bool bumper() const;
    float battery() const;
    float current() const;
    float distance(unsigned sensor) const;
    KelmarisProtocol::MotorStatus motor(unsigned index) const;
    int motorCurrent(const std::string& name) const;
    NorthStarReadings northStar() const;

    void setDigitalOutput(const std::string& name, bool on);
    void setMotorCommand(std::uint8_t code, unsigned motor, float a, float b = 0.0f);
    void setNorthStarCommand(const NorthStarCommand& command);

    // The next request: a new sequence number and the commands gathered so far.
    KelmarisProtocol::RequestMessage takeRequest(bool imageRequest);
    void takeStatus(const KelmarisProtocol::StatusMessage& status);
    // True when the status answering that sequence arrived within the time.
    bool waitForStatus(std::uint32_t sequence, int timeoutMs);

    // "DO3" with prefix "DO" gives 3; -1 when the name is not of that form.
    static int indexOf(const std::string& name, const std::string& prefix, const std::string& suffix = {});

private:
    void addCommand(const KelmarisProtocol::Command& command);

    mutable std::mutex lock;
    std::condition_variable statusArrived;
    bool connected = false;
    KelmarisProtocol::Counts robotCounts {0, 0, 0, 0, 0, 0};
    KelmarisInfo robotInfo;
    KelmarisCameraParameters camera;
    KelmarisProtocol::StatusMessage status;
    std::vector<KelmarisProtocol::Command> pending;
    std::uint32_t nextSequence = 0;
    std::uint32_t answeredSequence = 0;
};
