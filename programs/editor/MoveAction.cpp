#include "MoveAction.h"

#include "StateBase.h"

MoveAction::MoveAction(StateBase* owner, int nodeId, int netId, int pointNumber, const QPoint& old)
    : UndoAction(owner), m_nodeId(nodeId), m_netId(netId), m_pointNumber(pointNumber), m_old(old)
{
}

bool MoveAction::undo()
{
    if (m_nodeId != 0)
        return owner()->moveNodeById(m_nodeId, m_old);
    return owner()->moveNetPoint(m_netId, m_pointNumber, m_old);
}

bool MoveAction::isFor(int nodeId, int netId, int pointNumber) const
{
    if (nodeId != 0)
        return m_nodeId == nodeId;
    return m_nodeId == 0 && m_netId == netId && m_pointNumber == pointNumber;
}
