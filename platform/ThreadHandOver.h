#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// Qt hands a posted event to the receiver's thread under its own locks, which ThreadSanitizer
// cannot see (Qt is not built with it). Posting through postHandOver() and calling
// receiveHandOver() first in the receiver's event handler tell it that whatever the poster wrote
// before posting happens before the receiver reads it. Outside that build both are plain calls.
#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

inline void postHandOver(QObject* receiver, QEvent* event)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(event);
#endif
    QCoreApplication::postEvent(receiver, event);
}

inline void receiveHandOver([[maybe_unused]] QEvent* event)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(event);
#endif
}
