#pragma once

#include "EventTypes.h"

#include <QEvent>

// Engine to the robot link when no program runs any more: the link exchanges on its own again.
class StateProcessorStopEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = EventTypes::stateProcessorStop;
    StateProcessorStopEvent() : QEvent(eventType) { }
};
