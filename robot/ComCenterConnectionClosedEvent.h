#pragma once

#include <QEvent>

// Posted to ComCenter from a link thread: the link reports that an established connection ended.
class ComCenterConnectionClosedEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = QEvent::Type(1008);
    ComCenterConnectionClosedEvent() : QEvent(eventType) { }
};
