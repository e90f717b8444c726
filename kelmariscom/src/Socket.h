#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// Small POSIX socket helpers shared by the link and the simulated robot.
namespace KelmarisSocket {

// The link's error codes for what went wrong while connecting.
enum ConnectError { None = 0, Refused = 1, Unresolved = 9, General = 8 };

// A connected TCP socket or -1; error tells why not.
int connectTcp(const std::string& host, std::uint16_t port, int timeoutMs, ConnectError& error);
// A listening socket on that IPv4 address and port (0: any free one), or -1 with errno.
int listenTcp(const std::string& address, std::uint16_t port, bool& created);
std::uint16_t localPort(int fd);
std::string localAddress(int fd);
std::string peerAddress(int fd);
// True when readable (or closed) within the time.
bool waitReadable(int fd, int timeoutMs);
bool sendAll(int fd, const unsigned char* data, std::size_t size);
void closeSocket(int& fd);
void setNoDelay(int fd);
// Milliseconds of the monotonic clock, for time-outs and periods.
long long nowMs();

// One framed stream: length-prefixed messages in, whole messages out.
class FrameChannel
{
public:
    enum Result { Frame, Timeout, Closed, Failed, Broken };

    explicit FrameChannel(int fd = -1) : socket(fd) { }

    // Both take the send lock, so a send never meets a socket being replaced.
    void reset(int fd);
    void close();
    int fd() const { return socket; }
    // Waits up to timeoutMs for a whole message.
    Result receive(int timeoutMs, std::uint8_t& type, std::vector<unsigned char>& payload);
    // Thread-safe: whole messages never interleave.
    bool send(const std::vector<unsigned char>& frame);

private:
    bool takeFrame(std::uint8_t& type, std::vector<unsigned char>& payload, bool& broken);

    int socket;
    std::vector<unsigned char> buffer;
    std::mutex sendLock;
};

} // namespace KelmarisSocket
