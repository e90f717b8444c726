#include "Protocol.h"

#include <cstdio>

namespace KelmarisProtocol {

namespace {

// Bounds how many entries a damaged message can make us allocate.
constexpr std::size_t maxListSize = 64;

std::string number(float v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(v));
    return text;
}

template <typename Item, typename Read>
bool readList(WireReader& in, std::vector<Item>& items, Read read)
{
    const std::size_t size = in.u8();
    if (size > maxListSize)
        return false;
    items.resize(size);
    for (Item& item : items)
        read(item);
    return in.ok();
}

} // namespace

std::string Command::text() const
{
    const std::string i = std::to_string(index);
    switch (code) {
    case DigitalOutput: return "DO" + i + "=" + number(values[0]);
    case Relay: return "R" + i + "=" + number(values[0]);
    case Brake: return "BRAKE" + i + "=" + number(values[0]);
    case Velocity: return "VEL" + i + "=" + number(values[0]) + "," + number(values[1]);
    case Kp: return "KP" + i + "=" + number(values[0]);
    case Ki: return "KI" + i + "=" + number(values[0]);
    case Kd: return "KD" + i + "=" + number(values[0]);
    case ResetPosition: return "RESET" + i + "=" + number(values[0]);
    case NorthStar:
        return "NS=" + number(values[0]) + "," + number(values[1]) + "," + number(values[2]) + "," + number(values[3]);
    default: return "CMD" + std::to_string(code) + "_" + i;
    }
}

void encode(WireWriter& out, const KelmarisCameraParameters& m)
{
    out.u8(m.resolution);
    out.u8(m.compression);
    out.u8(m.brightness);
    out.u8(m.contrast);
    out.u8(m.reserved);
}

bool decode(WireReader& in, KelmarisCameraParameters& m)
{
    m.resolution = in.u8();
    m.compression = in.u8();
    m.brightness = in.u8();
    m.contrast = in.u8();
    m.reserved = in.u8();
    return in.ok();
}

void encode(WireWriter& out, const WelcomeMessage& m)
{
    out.u8(m.counts.digitalInputs);
    out.u8(m.counts.digitalOutputs);
    out.u8(m.counts.analogInputs);
    out.u8(m.counts.distanceSensors);
    out.u8(m.counts.motors);
    out.u8(m.counts.relays);
    encode(out, m.camera);
    out.u8(m.passive ? 1 : 0);
    out.text(m.info);
}

bool decode(WireReader& in, WelcomeMessage& m)
{
    m.counts.digitalInputs = in.u8();
    m.counts.digitalOutputs = in.u8();
    m.counts.analogInputs = in.u8();
    m.counts.distanceSensors = in.u8();
    m.counts.motors = in.u8();
    m.counts.relays = in.u8();
    decode(in, m.camera);
    m.passive = in.u8() != 0;
    m.info = in.text();
    return in.ok();
}

void encode(WireWriter& out, const StatusMessage& m)
{
    out.u32(m.sequence);
    out.u32(m.digitalInputs);
    out.u8(m.bumper ? 1 : 0);
    out.f32(m.battery);
    out.f32(m.current);
    out.u16(m.serialLineFrequency);
    out.u8(static_cast<std::uint8_t>(m.analogInputs.size()));
    for (float v : m.analogInputs)
        out.f32(v);
    out.u8(static_cast<std::uint8_t>(m.distances.size()));
    for (float v : m.distances)
        out.f32(v);
    out.u8(static_cast<std::uint8_t>(m.motors.size()));
    for (const MotorStatus& motor : m.motors) {
        out.f32(motor.velocity);
        out.i32(motor.position);
        out.i32(motor.currentAdc);
    }
    const NorthStarReadings& ns = m.northStar;
    out.u32(ns.timestamp);
    out.u8(static_cast<std::uint8_t>(ns.room));
    out.u8(ns.numSpotsVisible);
    out.i16(ns.posX);
    out.i16(ns.posY);
    out.f32(ns.theta);
    out.u16(ns.magSpot0);
    out.u16(ns.magSpot1);
}

bool decode(WireReader& in, StatusMessage& m)
{
    m.sequence = in.u32();
    m.digitalInputs = in.u32();
    m.bumper = in.u8() != 0;
    m.battery = in.f32();
    m.current = in.f32();
    m.serialLineFrequency = in.u16();
    if (!readList(in, m.analogInputs, [&](float& v) { v = in.f32(); }))
        return false;
    if (!readList(in, m.distances, [&](float& v) { v = in.f32(); }))
        return false;
    auto readMotor = [&](MotorStatus& motor) {
        motor.velocity = in.f32();
        motor.position = in.i32();
        motor.currentAdc = in.i32();
    };
    if (!readList(in, m.motors, readMotor))
        return false;
    NorthStarReadings& ns = m.northStar;
    ns.timestamp = in.u32();
    ns.room = static_cast<std::int8_t>(in.u8());
    ns.numSpotsVisible = in.u8();
    ns.posX = in.i16();
    ns.posY = in.i16();
    ns.theta = in.f32();
    ns.magSpot0 = in.u16();
    ns.magSpot1 = in.u16();
    return in.ok();
}

void encode(WireWriter& out, const RequestMessage& m)
{
    out.u32(m.sequence);
    out.u8(m.imageRequest ? 1 : 0);
    out.u16(static_cast<std::uint16_t>(m.commands.size()));
    for (const Command& command : m.commands) {
        out.u8(command.code);
        out.u8(command.index);
        for (float v : command.values)
            out.f32(v);
    }
}

bool decode(WireReader& in, RequestMessage& m)
{
    m.sequence = in.u32();
    m.imageRequest = in.u8() != 0;
    const std::size_t count = in.u16();
    if (count > 1024)
        return false;
    m.commands.resize(count);
    for (Command& command : m.commands) {
        command.code = in.u8();
        command.index = in.u8();
        for (float& v : command.values)
            v = in.f32();
    }
    return in.ok();
}

} // namespace KelmarisProtocol
