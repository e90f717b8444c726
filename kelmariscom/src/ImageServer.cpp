#include "ImageServer.h"

#include "FrameStore.h"
#include "Protocol.h"
#include "Socket.h"

#include <sys/socket.h>

using namespace KelmarisSocket;

namespace {
constexpr int pollMs = 50;
}

ImageServer::~ImageServer()
{
    stop();
}

ImageServer::Result ImageServer::start(const std::string& address, unsigned port)
{
    bool created = false;
    listener = listenTcp(address, static_cast<std::uint16_t>(port), created);
    if (!created)
        return SocketFailed;
    if (listener < 0)
        return BindFailed;
    stopping.store(false);
    frames.clear();
    thread = std::thread(&ImageServer::run, this);
    return Listening;
}

void ImageServer::stop()
{
    if (!thread.joinable())
        return;
    stopping.store(true);
    thread.join();
    closeSocket(listener);
    frames.clear();
}

void ImageServer::run()
{
    while (!stopping.load()) {
        if (!waitReadable(listener, pollMs))
            continue;
        int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        receiveFrames(fd);
        closeSocket(fd);
    }
}

void ImageServer::receiveFrames(int fd)
{
    FrameChannel channel(fd);
    std::uint8_t type = 0;
    std::vector<unsigned char> payload;
    while (!stopping.load()) {
        const FrameChannel::Result result = channel.receive(pollMs, type, payload);
        if (result == FrameChannel::Timeout)
            continue;
        if (result != FrameChannel::Frame)
            return;
        WireReader in(payload.data(), payload.size());
        const int width = in.u16();
        const int height = in.u16();
        const unsigned tag = in.u32();
        if (!in.ok())
            continue;
        payload.erase(payload.begin(), payload.begin() + 8);
        frames.put(type, width, height, tag, payload);
    }
}
