#pragma once

#include <QEvent>

// Posted to ComCenter from a link thread: the link received the robot's information.
class ComCenterKelmarisInfoEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = QEvent::Type(1013);
    ComCenterKelmarisInfoEvent() : QEvent(eventType) { }
};
