#pragma once

#include <QEvent>

// Posted by a document to itself so that its datatip timer starts in the GUI thread.
class ShowDatatipsEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = QEvent::Type(1010);

    ShowDatatipsEvent() : QEvent(eventType) {}
};
