#pragma once

#include "KelmarisCom.h"

#include <mutex>

// The four callbacks of the link. Each call copies the function under the lock and runs
// it outside, so a callback may use the link; after disable() nothing is called.
class LinkCallbacks
{
public:
    void setError(KelmarisCom::ErrorCallback f, void* user);
    void setConnected(KelmarisCom::Callback f, void* user);
    void setClosed(KelmarisCom::Callback f, void* user);
    void setInfo(KelmarisCom::Callback f, void* user);
    void disable();

    void error(int code);
    void connected();
    void closed();
    void infoReceived();

private:
    struct Entry
    {
        KelmarisCom::Callback function = nullptr;
        void* user = nullptr;
    };
    void call(const Entry& entry);
    void set(Entry& entry, KelmarisCom::Callback f, void* user);

    std::mutex lock;
    bool enabled = true;
    KelmarisCom::ErrorCallback errorFunction = nullptr;
    void* errorUser = nullptr;
    Entry connectedEntry;
    Entry closedEntry;
    Entry infoEntry;
};
