#pragma once

#include "EventTypes.h"

#include <QEvent>

// Engine to the robot link when a run starts: the engine drives the exchange from now on.
class StateProcessorStartEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = EventTypes::stateProcessorStart;
    StateProcessorStartEvent() : QEvent(eventType) { }
};
