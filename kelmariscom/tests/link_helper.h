#pragma once

#include "KelmarisCom.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

// Records the link's callbacks as words ("connected", "error 7", "closed", "info").
class CallbackRecorder
{
public:
    explicit CallbackRecorder(KelmarisCom& link);

    std::vector<std::string> events() const;
    // Waits until that word was recorded that many times; false after the time.
    bool waitFor(const std::string& event, int timeoutMs, int times = 1) const;
    void add(const std::string& event);

private:
    mutable std::mutex lock;
    mutable std::condition_variable changed;
    std::vector<std::string> list;
};

// One exchange whose answer came back. The link waits only a cycle's share of time for
// the answer, so on a loaded machine this tries again until the time is up.
bool exchangeAnswered(KelmarisCom& link, int timeoutMs);

// A port on 127.0.0.1 that nobody listens on right now.
unsigned short freeLoopbackPort();

// Holds a loopback port open so nobody else can listen on it.
class PortBlocker
{
public:
    PortBlocker();
    ~PortBlocker();
    unsigned short port() const { return blocked; }

private:
    int fd = -1;
    unsigned short blocked = 0;
};
