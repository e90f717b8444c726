#include "AddAction.h"

#include "StateBase.h"

AddAction::AddAction(StateBase* owner, int nodeId, int netId) : UndoAction(owner), m_nodeId(nodeId), m_netId(netId)
{
}

bool AddAction::undo()
{
    if (m_nodeId != 0)
        return owner()->deleteNodeById(m_nodeId);
    return owner()->removeNetById(m_netId);
}
