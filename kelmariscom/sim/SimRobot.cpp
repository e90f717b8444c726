#include "SimRobot.h"

#include "CameraScene.h"
#include "NorthStarCommand.h"
#include "Protocol.h"
#include "Socket.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <sys/socket.h>
#include <unistd.h>

using namespace KelmarisProtocol;
using KelmarisSocket::FrameChannel;
using KelmarisSocket::nowMs;

namespace {

constexpr int pollMs = 20;
constexpr int tickMs = 10;
constexpr unsigned serialLineHz = 100;
constexpr double pi = 3.14159265358979323846;
// The omni drive's geometry, as the drive block computes it.
constexpr double sqrt3 = 1.7320507764816284;
constexpr double rpmPerMmPerS = 3.819718577777444;
constexpr double wheelCircle = 785.3981749999999;

struct Motor
{
    float setRpm = 0.0f;
    float priority = 0.0f;
    long long lastVelocityMs = 0;
    bool brake = false;
    float kp = 0.0f, ki = 0.0f, kd = 0.0f;
    double position = 0.0; // wheel degrees
    float actualRpm = 0.0f;
    int scriptedAdc = -1;
};

} // namespace

struct SimRobot::State
{
    mutable std::mutex lock;
    mutable std::condition_variable changed;
    bool digitalInputs[8] = {};
    float analogInputs[8] = {};
    float distances[9] = {};
    bool bumper = false;
    float battery = 12.4f;
    float current = 0.8f;
    bool digitalOutputs[8] = {};
    bool relays[2] = {};
    Motor motors[motorCount];
    Pose pose;
    NorthStarCommand northStar;
    KelmarisCameraParameters camera;
    std::string info =
        "iod: 412\ncamd: 412\nserd: 412\ncom: 412\nhardware: 1\n\nSimulated camera, 25 frames per second.";
    bool passive = false;
    bool paused = false;
    bool shutdown = false;
    bool imageRequest = false;
    std::vector<std::string> log;
    std::size_t exchanges = 0;
    std::vector<SimScript::Entry> script;
    LogSink sink;
    std::unique_ptr<Session> session;
    bool clientConnected = false;
    std::uint32_t ticks = 0;

    void applyScript();
    void apply(const Command& command);
    StatusMessage status(std::uint32_t sequence) const;
};

void SimRobot::State::applyScript()
{
    for (const SimScript::Entry& entry : script) {
        if (entry.exchange != exchanges)
            continue;
        const auto i = static_cast<unsigned>(entry.index);
        const float v = static_cast<float>(entry.value);
        if (entry.name == "DI" && i < 8)
            digitalInputs[i] = v >= 0.5f;
        else if (entry.name == "ADC" && i < 8)
            analogInputs[i] = v;
        else if (entry.name == "DIST" && i >= 1 && i <= 9)
            distances[i - 1] = v;
        else if (entry.name == "BUMPER")
            bumper = v >= 0.5f;
        else if (entry.name == "BATT")
            battery = v;
        else if (entry.name == "CURRENT")
            current = v;
        else if (entry.name == "MOTORADC" && i < motorCount)
            motors[i].scriptedAdc = static_cast<int>(v);
    }
}

void SimRobot::State::apply(const Command& c)
{
    const unsigned i = c.index;
    const bool on = c.values[0] >= 0.5f;
    switch (c.code) {
    case DigitalOutput:
        if (i < 8)
            digitalOutputs[i] = on;
        break;
    case Relay:
        if (i < 2)
            relays[i] = on;
        break;
    case Brake:
        if (i < motorCount) {
            motors[i].brake = on;
            motors[i].actualRpm = on ? 0.0f : motors[i].actualRpm;
        }
        break;
    case Velocity:
        if (i < motorCount) {
            motors[i].setRpm = c.values[0];
            motors[i].priority = c.values[1];
            motors[i].brake = false;
            motors[i].lastVelocityMs = nowMs();
            motors[i].actualRpm = c.values[0];
        }
        break;
    case Kp:
        if (i < motorCount)
            motors[i].kp = c.values[0];
        break;
    case Ki:
        if (i < motorCount)
            motors[i].ki = c.values[0];
        break;
    case Kd:
        if (i < motorCount)
            motors[i].kd = c.values[0];
        break;
    case ResetPosition:
        if (i < motorCount && on)
            motors[i].position = 0.0;
        break;
    case NorthStar: northStar.room = static_cast<std::int8_t>(c.values[1]); break;
    default: break;
    }
}

StatusMessage SimRobot::State::status(std::uint32_t sequence) const
{
    StatusMessage m;
    m.sequence = sequence;
    for (unsigned i = 0; i < 8; ++i)
        m.digitalInputs |= digitalInputs[i] ? 1u << i : 0u;
    m.bumper = bumper;
    m.battery = battery;
    m.current = current;
    m.serialLineFrequency = serialLineHz;
    m.analogInputs.assign(std::begin(analogInputs), std::end(analogInputs));
    m.distances.assign(std::begin(distances), std::end(distances));
    for (const Motor& motor : motors) {
        MotorStatus s;
        s.velocity = motor.actualRpm;
        s.position = static_cast<std::int32_t>(motor.position);
        s.currentAdc =
            motor.scriptedAdc >= 0 ? motor.scriptedAdc : 100 + static_cast<int>(std::fabs(motor.actualRpm) / 10);
        m.motors.push_back(s);
    }
    NorthStarReadings& ns = m.northStar;
    ns.timestamp = ticks;
    ns.room = northStar.room;
    ns.numSpotsVisible = 2;
    ns.posX = static_cast<std::int16_t>(std::clamp(pose.x, -32768.0, 32767.0));
    ns.posY = static_cast<std::int16_t>(std::clamp(pose.y, -32768.0, 32767.0));
    ns.theta = static_cast<float>(std::remainder(pose.phi, 360.0) * pi / 180.0);
    ns.magSpot0 = 20000;
    ns.magSpot1 = 18000;
    return m;
}

// One client: its control stream and the thread that sends it camera frames.
class SimRobot::Session
{
public:
    Session(SimRobot& robot, int fd) : robot(robot), channel(fd) { }
    ~Session() { end(false); }

    void begin() { control = std::thread(&Session::serve, this); }
    // Returns with both threads joined; abrupt sends a reset instead of an orderly end.
    void end(bool abrupt);
    bool finished() const { return done.load(); }

private:
    void serve();
    bool greet();
    void answer(const RequestMessage& request);
    void sendFrames(std::string address, unsigned short port);
    bool sendFrame(int fd, std::uint32_t tag);

    SimRobot& robot;
    FrameChannel channel;
    std::thread control;
    std::thread images;
    std::atomic<bool> ending {false};
    std::atomic<bool> abort {false};
    std::atomic<bool> done {false};
};

void SimRobot::Session::end(bool abrupt)
{
    abort.store(abrupt);
    ending.store(true);
    if (channel.fd() >= 0) {
        if (abrupt) {
            // Closing with a zero linger resets the connection, as a lost link would.
            linger hard {1, 0};
            ::setsockopt(channel.fd(), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        } else {
            ::shutdown(channel.fd(), SHUT_RDWR);
        }
    }
    if (control.joinable())
        control.join();
    if (images.joinable())
        images.join();
    channel.close();
}

bool SimRobot::Session::greet()
{
    std::uint8_t type = 0;
    std::vector<unsigned char> payload;
    const long long deadline = nowMs() + 2000;
    while (!ending.load() && nowMs() < deadline) {
        const FrameChannel::Result result = channel.receive(pollMs, type, payload);
        if (result == FrameChannel::Timeout)
            continue;
        if (result != FrameChannel::Frame || type != Hello)
            return false;
        WireReader in(payload.data(), payload.size());
        in.u16();
        const unsigned short imagePort = in.u16();
        WelcomeMessage welcome;
        {
            std::lock_guard<std::mutex> hold(robot.state->lock);
            welcome.camera = robot.state->camera;
            welcome.info = robot.state->info;
            welcome.passive = robot.state->passive;
        }
        WireWriter out;
        encode(out, welcome);
        if (!channel.send(out.frame(Welcome)))
            return false;
        images = std::thread(&Session::sendFrames, this, KelmarisSocket::peerAddress(channel.fd()), imagePort);
        return true;
    }
    return false;
}

void SimRobot::Session::serve()
{
    if (greet()) {
        {
            std::lock_guard<std::mutex> hold(robot.state->lock);
            robot.state->clientConnected = true;
            robot.state->changed.notify_all();
        }
        std::uint8_t type = 0;
        std::vector<unsigned char> payload;
        while (!ending.load()) {
            const FrameChannel::Result result = channel.receive(pollMs, type, payload);
            if (result == FrameChannel::Timeout)
                continue;
            if (result != FrameChannel::Frame)
                break;
            bool paused;
            {
                std::lock_guard<std::mutex> hold(robot.state->lock);
                paused = robot.state->paused;
            }
            if (paused)
                continue;
            WireReader in(payload.data(), payload.size());
            if (type == IoRequest) {
                RequestMessage request;
                if (decode(in, request))
                    answer(request);
            } else if (type == Ping) {
                channel.send(WireWriter().frame(Pong));
            } else if (type == KelmarisProtocol::CameraParameters) {
                KelmarisCameraParameters camera;
                if (decode(in, camera)) {
                    std::lock_guard<std::mutex> hold(robot.state->lock);
                    robot.state->camera = camera;
                }
            } else if (type == Shutdown) {
                std::lock_guard<std::mutex> hold(robot.state->lock);
                robot.state->shutdown = true;
                break; // the robot switches itself off
            }
        }
    }
    ending.store(true);
    if (!abort.load())
        ::shutdown(channel.fd(), SHUT_RDWR);
    std::lock_guard<std::mutex> hold(robot.state->lock);
    robot.state->clientConnected = false;
    robot.state->imageRequest = false;
    robot.state->changed.notify_all();
    done.store(true);
}

void SimRobot::Session::answer(const RequestMessage& request)
{
    WireWriter out;
    std::string line;
    LogSink sink;
    {
        std::lock_guard<std::mutex> hold(robot.state->lock);
        State& s = *robot.state;
        for (const Command& command : request.commands) {
            s.apply(command);
            if (!line.empty())
                line += ' ';
            line += command.text();
        }
        s.imageRequest = request.imageRequest;
        s.applyScript();
        encode(out, s.status(request.sequence));
        s.log.push_back(line);
        ++s.exchanges;
        sink = s.sink;
        s.changed.notify_all();
    }
    channel.send(out.frame(IoStatus));
    if (sink)
        sink(line);
}

bool SimRobot::Session::sendFrame(int fd, std::uint32_t tag)
{
    Pose pose;
    KelmarisCameraParameters camera;
    {
        std::lock_guard<std::mutex> hold(robot.state->lock);
        if (!robot.state->imageRequest || robot.state->paused)
            return true;
        pose = robot.state->pose;
        camera = robot.state->camera;
    }
    const int width = camera.resolution == 1 ? 640 : 320;
    const int height = camera.resolution == 1 ? 480 : 240;
    std::vector<unsigned char> rgb = CameraScene::render(width, height, pose.x, pose.y, pose.phi, tag);
    const bool jpeg = camera.compression != 0;
    if (jpeg)
        rgb = CameraScene::encodeJpeg(rgb, width, height, 75);
    WireWriter out;
    out.u16(static_cast<std::uint16_t>(width));
    out.u16(static_cast<std::uint16_t>(height));
    out.u32(tag);
    out.raw(rgb.data(), rgb.size());
    const std::vector<unsigned char> frame = out.frame(jpeg ? 0 : 2);
    if (!KelmarisSocket::sendAll(fd, frame.data(), frame.size()))
        return false;
    robot.frameCount.fetch_add(1);
    return true;
}

void SimRobot::Session::sendFrames(std::string address, unsigned short port)
{
    int fd = -1;
    for (int attempt = 0; attempt < 20 && fd < 0 && !ending.load(); ++attempt) {
        KelmarisSocket::ConnectError error;
        fd = KelmarisSocket::connectTcp(address, port, 500, error);
        if (fd < 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::uint32_t tag = 0;
    long long next = nowMs();
    while (fd >= 0 && !ending.load()) {
        if (!sendFrame(fd, tag++))
            break;
        next += framePeriodMs;
        const long long wait = next - nowMs();
        if (wait > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        else
            next = nowMs();
    }
    KelmarisSocket::closeSocket(fd);
}

SimRobot::SimRobot() : state(std::make_unique<State>())
{
}

SimRobot::~SimRobot()
{
    stop();
}

bool SimRobot::start(unsigned short port, const std::string& address)
{
    if (running.load())
        return false;
    bool created = false;
    listener = KelmarisSocket::listenTcp(address, port, created);
    if (listener < 0)
        return false;
    listenPort.store(KelmarisSocket::localPort(listener));
    running.store(true);
    acceptor = std::thread(&SimRobot::acceptClients, this);
    physics = std::thread(&SimRobot::simulate, this);
    return true;
}

void SimRobot::stop()
{
    if (!running.exchange(false))
        return;
    if (acceptor.joinable())
        acceptor.join();
    if (physics.joinable())
        physics.join();
    std::unique_ptr<Session> session;
    {
        std::lock_guard<std::mutex> hold(state->lock);
        session = std::move(state->session);
    }
    session.reset();
    KelmarisSocket::closeSocket(listener);
}

void SimRobot::acceptClients()
{
    while (running.load()) {
        if (!KelmarisSocket::waitReadable(listener, 50))
            continue;
        int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        KelmarisSocket::setNoDelay(fd);
        std::unique_ptr<Session> finished;
        std::lock_guard<std::mutex> hold(state->lock);
        if (state->session && !state->session->finished()) {
            const std::vector<unsigned char> busy = WireWriter().frame(Busy);
            KelmarisSocket::sendAll(fd, busy.data(), busy.size());
            KelmarisSocket::closeSocket(fd);
            continue;
        }
        finished = std::move(state->session); // its threads have ended; joined below
        state->session = std::make_unique<Session>(*this, fd);
        state->session->begin();
    }
}

void SimRobot::simulate()
{
    long long last = nowMs();
    while (running.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(tickMs));
        const long long now = nowMs();
        const double dt = (now - last) / 1000.0;
        last = now;
        std::lock_guard<std::mutex> hold(state->lock);
        State& s = *state;
        ++s.ticks;
        double r[motorCount];
        for (int i = 0; i < motorCount; ++i) {
            Motor& m = s.motors[i];
            const bool stale = now - m.lastVelocityMs > motorTimeoutMs;
            m.actualRpm = m.brake || stale ? 0.0f : m.setRpm;
            m.position += m.actualRpm * 6.0 * dt;
            r[i] = m.actualRpm;
        }
        const double d = r[2] - r[0];
        const double vx = d / sqrt3 / rpmPerMmPerS;
        const double vy = (0.5 * d + r[0] - r[1]) * 0.6666666865348816 / rpmPerMmPerS;
        const double omega = (r[1] / rpmPerMmPerS + vy) * 360.0 / wheelCircle;
        const double heading = s.pose.phi * pi / 180.0;
        s.pose.x += (vx * std::cos(heading) - vy * std::sin(heading)) * dt;
        s.pose.y += (vx * std::sin(heading) + vy * std::cos(heading)) * dt;
        s.pose.phi = std::remainder(s.pose.phi + omega * dt, 360.0);
    }
}

void SimRobot::dropConnection()
{
    std::unique_ptr<Session> session;
    {
        std::lock_guard<std::mutex> hold(state->lock);
        session = std::move(state->session);
    }
    if (session)
        session->end(true);
}

#define SIM_SETTER(body)                                                                                               \
    {                                                                                                                  \
        std::lock_guard<std::mutex> hold(state->lock);                                                                 \
        body;                                                                                                          \
    }

void SimRobot::setDigitalInput(unsigned index, bool on)
    SIM_SETTER(if (index < 8) state->digitalInputs[index] = on) void SimRobot::setAnalogInput(unsigned index,
                                                                                              float volts)
        SIM_SETTER(if (index < 8) state->analogInputs[index] = volts) void SimRobot::setDistance(unsigned sensor,
                                                                                                 float volts)
            SIM_SETTER(if (sensor >= 1 && sensor <= 9)
                           state->distances[sensor - 1] = volts) void SimRobot::setBumper(bool on)
                SIM_SETTER(state->bumper = on) void SimRobot::setBattery(float volts)
                    SIM_SETTER(state->battery = volts) void SimRobot::setCurrent(float amperes)
                        SIM_SETTER(state->current = amperes) void SimRobot::setMotorCurrentAdc(unsigned motor, int raw)
                            SIM_SETTER(if (motor < motorCount) state->motors[motor].scriptedAdc =
                                           raw) void SimRobot::setScript(const SimScript& script)
                                SIM_SETTER(state->script = script.entries();
                                           state->applyScript()) void SimRobot::setInfoText(const std::string& text,
                                                                                            bool passive)
                                    SIM_SETTER(state->info = text;
                                               state->passive = passive) void SimRobot::setPose(const Pose& pose)
                                        SIM_SETTER(state->pose = pose) void SimRobot::setPaused(bool paused)
                                            SIM_SETTER(state->paused = paused) void SimRobot::setLogSink(LogSink sink)
                                                SIM_SETTER(state->sink = std::move(sink))

#undef SIM_SETTER

                                                    std::vector<std::string> SimRobot::commandLog() const
{
    std::lock_guard<std::mutex> hold(state->lock);
    return state->log;
}

std::size_t SimRobot::exchangeCount() const
{
    std::lock_guard<std::mutex> hold(state->lock);
    return state->exchanges;
}

bool SimRobot::waitForExchanges(std::size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> hold(state->lock);
    return state->changed.wait_for(hold, std::chrono::milliseconds(timeoutMs),
                                   [&] { return state->exchanges >= count; });
}

bool SimRobot::waitForClient(bool connected, int timeoutMs) const
{
    std::unique_lock<std::mutex> hold(state->lock);
    return state->changed.wait_for(hold, std::chrono::milliseconds(timeoutMs),
                                   [&] { return state->clientConnected == connected; });
}

bool SimRobot::digitalOutput(unsigned index) const
{
    std::lock_guard<std::mutex> hold(state->lock);
    return index < 8 && state->digitalOutputs[index];
}

bool SimRobot::relay(unsigned index) const
{
    std::lock_guard<std::mutex> hold(state->lock);
    return index < 2 && state->relays[index];
}

float SimRobot::motorVelocity(unsigned motor) const
{
    std::lock_guard<std::mutex> hold(state->lock);
    return motor < motorCount ? state->motors[motor].actualRpm : 0.0f;
}

bool SimRobot::shutdownRequested() const
{
    std::lock_guard<std::mutex> hold(state->lock);
    return state->shutdown;
}

bool SimRobot::imageRequested() const
{
    std::lock_guard<std::mutex> hold(state->lock);
    return state->imageRequest;
}

KelmarisCameraParameters SimRobot::cameraParameters() const
{
    std::lock_guard<std::mutex> hold(state->lock);
    return state->camera;
}

SimRobot::Pose SimRobot::pose() const
{
    std::lock_guard<std::mutex> hold(state->lock);
    return state->pose;
}
