#pragma once

#include "EventTypes.h"

#include <QEvent>

// Tells the main window that the caption of the document with this id changed.
class StateBaseCaptionChangedEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = EventTypes::stateBaseCaptionChanged;

    explicit StateBaseCaptionChangedEvent(int id) : QEvent(eventType), m_id(id) { }
    int id() const { return m_id; }

private:
    int m_id;
};
