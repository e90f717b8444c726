#include "LinkConnection.h"

#include "ImageServer.h"
#include "Protocol.h"

using namespace KelmarisProtocol;
using KelmarisSocket::FrameChannel;
using KelmarisSocket::nowMs;

namespace {

constexpr int receivePollMs = 2;
// Error codes of the link (see KelmarisCom.h).
constexpr int writeFailed = 2;
constexpr int readFailed = 3;
constexpr int silent = 6;
constexpr int inUse = 7;
constexpr int generalError = 8;

// "host" or "host:port"; a port that is not a number in 1..65535 makes the host unknown.
bool splitHost(const std::string& text, std::string& host, unsigned short& port)
{
    port = KelmarisCom::defaultPort;
    const std::size_t colon = text.rfind(':');
    host = text.substr(0, colon);
    if (colon == std::string::npos)
        return !host.empty();
    const std::string digits = text.substr(colon + 1);
    if (digits.empty() || digits.size() > 5)
        return false;
    unsigned long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned long>(c - '0');
    }
    if (value == 0 || value > 65535)
        return false;
    port = static_cast<unsigned short>(value);
    return !host.empty();
}

} // namespace

KelmarisCom::Private::~Private()
{
    shutDown();
}

void KelmarisCom::Private::joinWorker()
{
    if (!worker.joinable())
        return;
    if (worker.get_id() == std::this_thread::get_id())
        worker.detach(); // called from our own callback: the thread is about to end
    else
        worker.join();
}

void KelmarisCom::Private::connectToHost(const std::string& text)
{
    std::lock_guard<std::mutex> hold(control);
    if (connectionState.load() != KelmarisComState::Idle)
        return;
    joinWorker();
    std::string host;
    unsigned short port = 0;
    const bool valid = splitHost(text, host, port);
    stopRequested.store(false);
    connectionState.store(KelmarisComState::Connecting);
    worker = std::thread(&Private::run, this, valid ? host : std::string(), port);
}

// Joins outside the lock: the ending thread's closed callback may connect again.
void KelmarisCom::Private::close()
{
    std::thread ending;
    {
        std::lock_guard<std::mutex> hold(control);
        stopRequested.store(true);
        ending.swap(worker);
    }
    if (!ending.joinable())
        return;
    if (ending.get_id() == std::this_thread::get_id())
        ending.detach(); // called from our own callback: the thread is about to end
    else
        ending.join();
}

void KelmarisCom::Private::shutDown()
{
    callbacks.disable();
    close();
}

void KelmarisCom::Private::run(std::string host, unsigned short port)
{
    int errorCode = 0;
    const int fd = open(host, port);
    if (fd < 0) {
        finish(Ending::Failed, -fd, false);
        return;
    }
    channel.reset(fd);
    ImageServer images(frames);
    const ImageServer::Result listening = images.start(KelmarisSocket::localAddress(fd), imagePort.load());
    if (listening != ImageServer::Listening) {
        channel.close();
        finish(Ending::Failed, listening, false);
        return;
    }
    errorCode = greet();
    if (errorCode != 0 || stopRequested.load()) {
        images.stop();
        channel.close();
        finish(errorCode ? Ending::Failed : Ending::Cancelled, errorCode, false);
        return;
    }
    connectionState.store(KelmarisComState::Connected);
    callbacks.connected();
    callbacks.infoReceived();
    const Ending ending = serve(errorCode);
    images.stop();
    channel.close();
    finish(ending, errorCode, true);
}

int KelmarisCom::Private::open(const std::string& host, unsigned short port)
{
    KelmarisSocket::ConnectError error = KelmarisSocket::Unresolved;
    const int fd = host.empty() ? -1 : KelmarisSocket::connectTcp(host, port, connectTimeoutMs, error);
    return fd >= 0 ? fd : -static_cast<int>(error);
}

// Hello and the robot's welcome; 0 or the error code.
int KelmarisCom::Private::greet()
{
    WireWriter hello;
    hello.u16(version);
    hello.u16(static_cast<std::uint16_t>(imagePort.load()));
    if (!sendFrame(Hello, hello))
        return writeFailed;
    const long long deadline = nowMs() + silenceTimeoutMs;
    std::uint8_t type = 0;
    std::vector<unsigned char> payload;
    while (!stopRequested.load()) {
        if (nowMs() > deadline)
            return silent;
        const FrameChannel::Result result = channel.receive(20, type, payload);
        if (result == FrameChannel::Timeout)
            continue;
        if (result == FrameChannel::Failed)
            return readFailed;
        if (result != FrameChannel::Frame)
            return generalError;
        if (type == Busy)
            return inUse;
        WireReader in(payload.data(), payload.size());
        WelcomeMessage welcome;
        if (type != Welcome || !decode(in, welcome))
            return generalError;
        data.open(welcome);
        lastSendMs.store(nowMs());
        return 0;
    }
    return 0;
}

KelmarisCom::Private::Ending KelmarisCom::Private::serve(int& errorCode)
{
    long long lastReceive = nowMs();
    long long lastAsync = 0;
    std::uint8_t type = 0;
    std::vector<unsigned char> payload;
    while (!stopRequested.load()) {
        const long long now = nowMs();
        if (now - lastReceive > static_cast<long long>(silenceTimeoutMs)) {
            errorCode = silent;
            return Ending::Failed;
        }
        bool sent = true;
        if (asyncCommunication.load() && now - lastAsync >= asyncPeriodMs) {
            lastAsync = now;
            sent = sendRequest();
        } else if (now - lastSendMs.load() >= pingPeriodMs) {
            lastSendMs.store(now);
            sent = sendFrame(Ping, WireWriter());
        }
        if (!sent) {
            errorCode = writeFailed;
            return Ending::Failed;
        }
        const FrameChannel::Result result = channel.receive(receivePollMs, type, payload);
        if (result == FrameChannel::Timeout)
            continue;
        if (result == FrameChannel::Closed)
            return Ending::Closed;
        if (result != FrameChannel::Frame) {
            errorCode = readFailed;
            return Ending::Failed;
        }
        lastReceive = nowMs();
        if (type == IoStatus) {
            WireReader in(payload.data(), payload.size());
            StatusMessage status;
            if (decode(in, status))
                data.takeStatus(status);
        }
    }
    return Ending::Closed;
}

bool KelmarisCom::Private::sendFrame(std::uint8_t type, const WireWriter& payload)
{
    return channel.send(payload.frame(type));
}

bool KelmarisCom::Private::sendRequest()
{
    WireWriter out;
    const RequestMessage request = data.takeRequest(imageRequest.load());
    encode(out, request);
    lastSendMs.store(nowMs());
    return sendFrame(IoRequest, out);
}

bool KelmarisCom::Private::exchange(bool wait)
{
    if (connectionState.load() != KelmarisComState::Connected)
        return false;
    WireWriter out;
    const RequestMessage request = data.takeRequest(imageRequest.load());
    encode(out, request);
    lastSendMs.store(nowMs());
    if (!sendFrame(IoRequest, out))
        return false;
    return !wait || data.waitForStatus(request.sequence, exchangeWaitMs);
}

void KelmarisCom::Private::sendShutdown()
{
    if (connectionState.load() == KelmarisComState::Connected)
        sendFrame(Shutdown, WireWriter());
}

void KelmarisCom::Private::sendCameraParameters(const KelmarisCameraParameters& parameters)
{
    if (connectionState.load() != KelmarisComState::Connected)
        return;
    data.setCameraParameters(parameters);
    WireWriter out;
    encode(out, parameters);
    sendFrame(CameraParameters, out);
}

// Leaves the link idle before telling anyone, so a callback may connect again at once.
void KelmarisCom::Private::finish(Ending ending, int errorCode, bool wasConnected)
{
    if (stopRequested.load())
        ending = wasConnected ? Ending::Closed : Ending::Cancelled;
    data.clear();
    connectionState.store(KelmarisComState::Idle);
    if (ending == Ending::Failed)
        callbacks.error(errorCode);
    else if (wasConnected)
        callbacks.closed();
}
