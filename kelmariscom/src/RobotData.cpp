#include "RobotData.h"

#include <chrono>

using namespace KelmarisProtocol;

void RobotData::open(const WelcomeMessage& welcome)
{
    std::lock_guard<std::mutex> hold(lock);
    connected = true;
    robotCounts = welcome.counts;
    robotInfo.text = welcome.info;
    robotInfo.passive = welcome.passive;
    camera = welcome.camera;
    status = StatusMessage();
    pending.clear();
}

void RobotData::clear()
{
    std::lock_guard<std::mutex> hold(lock);
    connected = false;
    robotCounts = Counts {0, 0, 0, 0, 0, 0};
    status = StatusMessage();
    pending.clear();
    statusArrived.notify_all();
}

Counts RobotData::counts() const
{
    std::lock_guard<std::mutex> hold(lock);
    return robotCounts;
}

KelmarisInfo RobotData::info() const
{
    std::lock_guard<std::mutex> hold(lock);
    return robotInfo;
}

KelmarisCameraParameters RobotData::cameraParameters() const
{
    std::lock_guard<std::mutex> hold(lock);
    return camera;
}

void RobotData::setCameraParameters(const KelmarisCameraParameters& parameters)
{
    std::lock_guard<std::mutex> hold(lock);
    if (connected)
        camera = parameters;
}

unsigned RobotData::serialLineFrequency() const
{
    std::lock_guard<std::mutex> hold(lock);
    return status.serialLineFrequency;
}

int RobotData::indexOf(const std::string& name, const std::string& prefix, const std::string& suffix)
{
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0
        || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return -1;
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (digits.empty() || digits.size() > 3)
        return -1;
    int index = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        index = index * 10 + (c - '0');
    }
    return index;
}

bool RobotData::digitalInput(const std::string& name) const
{
    const int index = indexOf(name, "DI");
    std::lock_guard<std::mutex> hold(lock);
    if (index < 0 || index >= robotCounts.digitalInputs || index >= 32)
        return false;
    return (status.digitalInputs >> index) & 1u;
}

float RobotData::analogInput(unsigned index) const
{
    std::lock_guard<std::mutex> hold(lock);
    return index < status.analogInputs.size() ? status.analogInputs[index] : 0.0f;
}

bool RobotData::bumper() const
{
    std::lock_guard<std::mutex> hold(lock);
    return status.bumper;
}

float RobotData::battery() const
{
    std::lock_guard<std::mutex> hold(lock);
    return status.battery;
}

float RobotData::current() const
{
    std::lock_guard<std::mutex> hold(lock);
    return status.current;
}

float RobotData::distance(unsigned sensor) const
{
    std::lock_guard<std::mutex> hold(lock);
    return sensor >= 1 && sensor <= status.distances.size() ? status.distances[sensor - 1] : 0.0f;
}

MotorStatus RobotData::motor(unsigned index) const
{
    std::lock_guard<std::mutex> hold(lock);
    return index < status.motors.size() ? status.motors[index] : MotorStatus();
}

int RobotData::motorCurrent(const std::string& name) const
{
    const int index = indexOf(name, "S", "_AD0");
    return index < 0 ? 0 : motor(static_cast<unsigned>(index)).currentAdc;
}

NorthStarReadings RobotData::northStar() const
{
    std::lock_guard<std::mutex> hold(lock);
    return status.northStar;
}

void RobotData::addCommand(const Command& command)
{
    std::lock_guard<std::mutex> hold(lock);
    if (!connected)
        return;
    for (Command& existing : pending) {
        if (existing.sameTarget(command)) {
            existing = command;
            return;
        }
    }
    pending.push_back(command);
}

void RobotData::setDigitalOutput(const std::string& name, bool on)
{
    Command command;
    int index = indexOf(name, "DO");
    command.code = DigitalOutput;
    if (index < 0) {
        index = indexOf(name, "R");
        command.code = Relay;
    }
    if (index < 0 || index > 255)
        return;
    command.index = static_cast<std::uint8_t>(index);
    command.values[0] = on ? 1.0f : 0.0f;
    addCommand(command);
}

void RobotData::setMotorCommand(std::uint8_t code, unsigned motor, float a, float b)
{
    if (motor > 255)
        return;
    Command command;
    command.code = code;
    command.index = static_cast<std::uint8_t>(motor);
    command.values[0] = a;
    command.values[1] = b;
    addCommand(command);
}

void RobotData::setNorthStarCommand(const NorthStarCommand& ns)
{
    Command command;
    command.code = NorthStar;
    command.values[0] = ns.mode;
    command.values[1] = ns.room;
    command.values[2] = ns.ceilingHeight;
    command.values[3] = ns.calibration;
    addCommand(command);
}

RequestMessage RobotData::takeRequest(bool imageRequest)
{
    std::lock_guard<std::mutex> hold(lock);
    RequestMessage request;
    request.sequence = ++nextSequence;
    request.imageRequest = imageRequest;
    request.commands.swap(pending);
    return request;
}

void RobotData::takeStatus(const StatusMessage& fresh)
{
    std::lock_guard<std::mutex> hold(lock);
    if (!connected)
        return;
    status = fresh;
    if (fresh.sequence > answeredSequence)
        answeredSequence = fresh.sequence;
    statusArrived.notify_all();
}

bool RobotData::waitForStatus(std::uint32_t sequence, int timeoutMs)
{
    std::unique_lock<std::mutex> hold(lock);
    return statusArrived.wait_for(hold, std::chrono::milliseconds(timeoutMs), [&] {
        return !connected || answeredSequence >= sequence;
    }) && connected;
}
