#pragma once

#include <QEvent>

// Posted to ComCenter from a link thread: the link reports an established connection.
class ComCenterConnectedEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = QEvent::Type(1007);
    ComCenterConnectedEvent() : QEvent(eventType) { }
};
