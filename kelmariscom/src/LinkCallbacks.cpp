#include "LinkCallbacks.h"

void LinkCallbacks::setError(KelmarisCom::ErrorCallback f, void* user)
{
    std::lock_guard<std::mutex> hold(lock);
    errorFunction = f;
    errorUser = user;
}

void LinkCallbacks::set(Entry& entry, KelmarisCom::Callback f, void* user)
{
    std::lock_guard<std::mutex> hold(lock);
    entry.function = f;
    entry.user = user;
}

void LinkCallbacks::setConnected(KelmarisCom::Callback f, void* user)
{
    set(connectedEntry, f, user);
}

void LinkCallbacks::setClosed(KelmarisCom::Callback f, void* user)
{
    set(closedEntry, f, user);
}

void LinkCallbacks::setInfo(KelmarisCom::Callback f, void* user)
{
    set(infoEntry, f, user);
}

void LinkCallbacks::disable()
{
    std::lock_guard<std::mutex> hold(lock);
    enabled = false;
}

void LinkCallbacks::error(int code)
{
    KelmarisCom::ErrorCallback function;
    void* user;
    {
        std::lock_guard<std::mutex> hold(lock);
        function = enabled ? errorFunction : nullptr;
        user = errorUser;
    }
    if (function)
        function(user, code);
}

void LinkCallbacks::call(const Entry& entry)
{
    Entry copy;
    {
        std::lock_guard<std::mutex> hold(lock);
        if (enabled)
            copy = entry;
    }
    if (copy.function)
        copy.function(copy.user);
}

void LinkCallbacks::connected()
{
    call(connectedEntry);
}

void LinkCallbacks::closed()
{
    call(closedEntry);
}

void LinkCallbacks::infoReceived()
{
    call(infoEntry);
}
