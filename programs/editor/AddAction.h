#pragma once

#include "UndoAction.h"

// A block or a net was added; undoing removes it again.
class AddAction : public UndoAction
{
public:
    // nodeId 0 means the net netId.
    AddAction(StateBase* owner, int nodeId, int netId);

    bool undo() override;
    int type() const override { return Add; }
    int nodeId() const { return m_nodeId; }
    int netId() const { return m_netId; }

private:
    int m_nodeId;
    int m_netId;
};
