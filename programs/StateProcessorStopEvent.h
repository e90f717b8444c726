#pragma once

#include <QEvent>

// Engine to the robot link when no program runs any more: the link exchanges on its own again.
class StateProcessorStopEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = QEvent::Type(1012);
    StateProcessorStopEvent() : QEvent(eventType) {}
};
