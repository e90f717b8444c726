#pragma once

#include "EventTypes.h"

#include <QEvent>

// Posted by a document to itself so that its datatip timer starts in the GUI thread.
class ShowDatatipsEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = EventTypes::showDatatips;

    ShowDatatipsEvent() : QEvent(eventType) { }
};
