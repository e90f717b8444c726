#pragma once

#include "UndoAction.h"
#include "XmlSnapshot.h"

class QGraphicsItem;

// A block or chart element was deleted; undoing builds it again from its element, with
// its id.
class RemoveAction : public UndoAction
{
public:
    explicit RemoveAction(StateBase* owner);

    // Lets the item's block write its element; false when it cannot.
    bool store(QGraphicsItem* item);
    bool undo() override;
    int type() const override { return Remove; }

private:
    XmlSnapshot m_snapshot;
};
