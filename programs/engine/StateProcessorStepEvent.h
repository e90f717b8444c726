#pragma once

#include "EventTypes.h"

#include <QEvent>

// Engine to the main window in the first cycle of a run and then every second cycle:
// time to refresh the run display.
class StateProcessorStepEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = EventTypes::stateProcessorStep;
    StateProcessorStepEvent() : QEvent(eventType) { }
};
