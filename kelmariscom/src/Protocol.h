#pragma once

#include "KelmarisCameraParameters.h"
#include "NorthStarReadings.h"
#include "Wire.h"

#include <cstdint>
#include <string>
#include <vector>

// Messages between the link (client) and the robot. Every message is a 32-bit length,
// a type byte and the payload; camera frames travel on the separate image channel.
namespace KelmarisProtocol {

constexpr std::uint16_t version = 1;
// Larger messages mark a broken stream.
constexpr std::uint32_t maxMessageSize = 16u << 20;

enum MessageType : std::uint8_t {
    Hello = 1, // client: version, image port
    Welcome = 2, // robot: counts, camera parameters, info
    Busy = 3, // robot: another client holds it
    IoRequest = 4, // client: sequence, image request, commands
    IoStatus = 5, // robot: sequence, sensor values
    CameraParameters = 6,
    Shutdown = 7,
    Ping = 8,
    Pong = 9,
};

enum CommandCode : std::uint8_t {
    DigitalOutput = 1,
    Relay = 2,
    Brake = 3,
    Velocity = 4, // rpm, priority
    Kp = 5,
    Ki = 6,
    Kd = 7,
    ResetPosition = 8,
    NorthStar = 9, // mode, room, ceiling height, calibration
};

struct Command
{
    std::uint8_t code = 0;
    std::uint8_t index = 0;
    float values[4] = {0, 0, 0, 0};

    bool sameTarget(const Command& other) const { return code == other.code && index == other.index; }
    // One word of the command log, "DO2=1", "VEL0=99,1".
    std::string text() const;
};

struct Counts
{
    std::uint8_t digitalInputs = 8;
    std::uint8_t digitalOutputs = 8;
    std::uint8_t analogInputs = 8;
    std::uint8_t distanceSensors = 9;
    std::uint8_t motors = 3;
    std::uint8_t relays = 2;
};

struct WelcomeMessage
{
    Counts counts;
    KelmarisCameraParameters camera;
    bool passive = false;
    std::string info;
};

struct MotorStatus
{
    float velocity = 0.0f;
    std::int32_t position = 0;
    std::int32_t currentAdc = 0;
};

struct StatusMessage
{
    std::uint32_t sequence = 0;
    std::uint32_t digitalInputs = 0; // bit i: DIi
    bool bumper = false;
    float battery = 0.0f;
    float current = 0.0f;
    std::uint16_t serialLineFrequency = 0;
    std::vector<float> analogInputs;
    std::vector<float> distances;
    std::vector<MotorStatus> motors;
    NorthStarReadings northStar;
};

struct RequestMessage
{
    std::uint32_t sequence = 0;
    bool imageRequest = false;
    std::vector<Command> commands;
};

void encode(WireWriter& out, const WelcomeMessage& m);
bool decode(WireReader& in, WelcomeMessage& m);
void encode(WireWriter& out, const StatusMessage& m);
bool decode(WireReader& in, StatusMessage& m);
void encode(WireWriter& out, const RequestMessage& m);
bool decode(WireReader& in, RequestMessage& m);
void encode(WireWriter& out, const KelmarisCameraParameters& m);
bool decode(WireReader& in, KelmarisCameraParameters& m);

// Image channel: a 32-bit length, then type, width, height, tag and the frame bytes.
struct FrameHeader
{
    std::uint8_t type = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint32_t tag = 0;
};
constexpr std::size_t frameHeaderSize = 9;

} // namespace KelmarisProtocol
