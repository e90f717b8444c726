#include "Socket.h"

#include "Protocol.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace KelmarisSocket {

namespace {

bool finishConnect(int fd, int timeoutMs, ConnectError& error)
{
    pollfd p {fd, POLLOUT, 0};
    const int ready = ::poll(&p, 1, timeoutMs);
    if (ready <= 0) {
        error = General;
        return false;
    }
    int code = 0;
    socklen_t length = sizeof code;
    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &code, &length);
    if (code != 0) {
        error = code == ECONNREFUSED ? Refused : General;
        return false;
    }
    return true;
}

} // namespace

int connectTcp(const std::string& host, std::uint16_t port, int timeoutMs, ConnectError& error)
{
    addrinfo hints {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (host.empty() || ::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) {
        error = Unresolved;
        return -1;
    }
    sockaddr_in address {};
    std::memcpy(&address, found->ai_addr, sizeof address);
    ::freeaddrinfo(found);
    address.sin_port = htons(port);

    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        error = General;
        return -1;
    }
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EINPROGRESS) {
            error = errno == ECONNREFUSED ? Refused : General;
            closeSocket(fd);
            return -1;
        }
        if (!finishConnect(fd, timeoutMs, error)) {
            closeSocket(fd);
            return -1;
        }
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    setNoDelay(fd);
    error = None;
    return fd;
}

int listenTcp(const std::string& address, std::uint16_t port, bool& created)
{
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    created = fd >= 0;
    if (fd < 0)
        return -1;
    // Connections of the last session may linger in TIME_WAIT on the port; a listener
    // of somebody else still makes the bind fail.
    int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in local {};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1
        || ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 || ::listen(fd, 4) != 0) {
        closeSocket(fd);
        return -1;
    }
    return fd;
}

std::uint16_t localPort(int fd)
{
    sockaddr_in local {};
    socklen_t length = sizeof local;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0)
        return 0;
    return ntohs(local.sin_port);
}

namespace {
std::string addressText(const sockaddr_in& address)
{
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
    return text;
}
} // namespace

std::string localAddress(int fd)
{
    sockaddr_in local {};
    socklen_t length = sizeof local;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0)
        return "127.0.0.1";
    return addressText(local);
}

std::string peerAddress(int fd)
{
    sockaddr_in peer {};
    socklen_t length = sizeof peer;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0)
        return "127.0.0.1";
    return addressText(peer);
}

bool waitReadable(int fd, int timeoutMs)
{
    pollfd p {fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

bool sendAll(int fd, const unsigned char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

void closeSocket(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

long long nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void setNoDelay(int fd)
{
    int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

void FrameChannel::reset(int fd)
{
    std::lock_guard<std::mutex> hold(sendLock);
    socket = fd;
    buffer.clear();
}

void FrameChannel::close()
{
    std::lock_guard<std::mutex> hold(sendLock);
    closeSocket(socket);
    buffer.clear();
}

bool FrameChannel::takeFrame(std::uint8_t& type, std::vector<unsigned char>& payload, bool& broken)
{
    if (buffer.size() < 4)
        return false;
    WireReader header(buffer.data(), 4);
    const std::uint32_t length = header.u32();
    if (length == 0 || length > KelmarisProtocol::maxMessageSize) {
        broken = true;
        return false;
    }
    if (buffer.size() < 4 + length)
        return false;
    type = buffer[4];
    payload.assign(buffer.begin() + 5, buffer.begin() + 4 + length);
    buffer.erase(buffer.begin(), buffer.begin() + 4 + length);
    return true;
}

FrameChannel::Result FrameChannel::receive(int timeoutMs, std::uint8_t& type, std::vector<unsigned char>& payload)
{
    bool broken = false;
    if (takeFrame(type, payload, broken))
        return Frame;
    if (broken)
        return Broken;
    if (!waitReadable(socket, timeoutMs))
        return Timeout;
    unsigned char chunk[65536];
    const ssize_t got = ::recv(socket, chunk, sizeof chunk, 0);
    if (got == 0)
        return Closed;
    if (got < 0)
        return errno == EINTR || errno == EAGAIN ? Timeout : Failed;
    buffer.insert(buffer.end(), chunk, chunk + got);
    if (takeFrame(type, payload, broken))
        return Frame;
    return broken ? Broken : Timeout;
}

bool FrameChannel::send(const std::vector<unsigned char>& frame)
{
    std::lock_guard<std::mutex> hold(sendLock);
    return socket >= 0 && sendAll(socket, frame.data(), frame.size());
}

} // namespace KelmarisSocket
