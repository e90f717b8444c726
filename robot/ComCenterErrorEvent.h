#pragma once

#include <QEvent>

// Posted to ComCenter from a link thread: the link failed with that error code.
class ComCenterErrorEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = QEvent::Type(1009);
    explicit ComCenterErrorEvent(int code) : QEvent(eventType), errorCode(code) { }
    int code() const { return errorCode; }

private:
    int errorCode;
};
