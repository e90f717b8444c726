#pragma once

#include "EventTypes.h"

#include <QEvent>

// Tells the main window that the document with this id stopped.
class StateBaseStopEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = EventTypes::stateBaseStop;

    explicit StateBaseStopEvent(int id) : QEvent(eventType), m_id(id) { }
    int id() const { return m_id; }

private:
    int m_id;
};
