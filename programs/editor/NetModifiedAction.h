#pragma once

#include "UndoAction.h"
#include "XmlSnapshot.h"

class Net;

// A net changed (or went); undoing puts back the net as it was before.
class NetModifiedAction : public UndoAction
{
public:
    explicit NetModifiedAction(StateBase* owner);

    // Takes the net's present state; false when it cannot be written.
    bool store(const Net* net);
    bool undo() override;
    int type() const override { return NetModified; }
    int netId() const { return m_netId; }

private:
    XmlSnapshot m_snapshot;
    int m_netId = 0;
};
