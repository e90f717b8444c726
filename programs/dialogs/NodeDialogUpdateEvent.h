#pragma once

#include <QEvent>

// A processing thread asks a block's open dialog to redraw. It is posted to the block
// (a GUI-thread object that outlives its dialogs), which hands it to its dialog if one
// is open at delivery; the id reaches the dialog's custom page unchanged.
class NodeDialogUpdateEvent : public QEvent
{
public:
    static constexpr QEvent::Type eventType = QEvent::Type(1006);

    explicit NodeDialogUpdateEvent(int id) : QEvent(eventType), m_id(id) { }

    int id() const { return m_id; }

private:
    int m_id;
};
