#include "link_helper.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

void onError(void* user, int code)
{
    static_cast<CallbackRecorder*>(user)->add("error " + std::to_string(code));
}

void onConnected(void* user)
{
    static_cast<CallbackRecorder*>(user)->add("connected");
}

void onClosed(void* user)
{
    static_cast<CallbackRecorder*>(user)->add("closed");
}

void onInfo(void* user)
{
    static_cast<CallbackRecorder*>(user)->add("info");
}

int boundSocket(unsigned short& port)
{
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

} // namespace

CallbackRecorder::CallbackRecorder(KelmarisCom& link)
{
    link.setErrorCallback(&onError, this);
    link.setConnectedCallback(&onConnected, this);
    link.setConnectionClosedCallback(&onClosed, this);
    link.setKelmarisInfoReceivedCallback(&onInfo, this);
}

std::vector<std::string> CallbackRecorder::events() const
{
    std::lock_guard<std::mutex> hold(lock);
    return list;
}

bool CallbackRecorder::waitFor(const std::string& event, int timeoutMs, int times) const
{
    std::unique_lock<std::mutex> hold(lock);
    return changed.wait_for(hold, std::chrono::milliseconds(timeoutMs), [&] {
        int seen = 0;
        for (const std::string& e : list)
            seen += e == event ? 1 : 0;
        return seen >= times;
    });
}

void CallbackRecorder::add(const std::string& event)
{
    std::lock_guard<std::mutex> hold(lock);
    list.push_back(event);
    changed.notify_all();
}

unsigned short freeLoopbackPort()
{
    unsigned short port = 0;
    int fd = boundSocket(port);
    ::close(fd);
    return port;
}

PortBlocker::PortBlocker()
{
    fd = boundSocket(blocked);
    ::listen(fd, 1);
}

PortBlocker::~PortBlocker()
{
    ::close(fd);
}

bool exchangeAnswered(KelmarisCom& link, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (link.isConnected()) {
        if (link.receiveIoStatus(true))
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
    }
    return false;
}
