#include "UndoStack.h"

#include "AddAction.h"
#include "MoveAction.h"
#include "Net.h"
#include "NetModifiedAction.h"
#include "NetPoint.h"
#include "Node.h"
#include "RemoveAction.h"
#include "StateBase.h"
#include "UndoActionList.h"

UndoRecorder* UndoRecorder::create(StateBase* owner)
{
    return new UndoStack(owner);
}

UndoStack::UndoStack(StateBase* owner) : m_owner(owner)
{
}

UndoStack::~UndoStack()
{
    delete m_pendingNetSnapshot;
    delete m_openGroup;
    clearHistory();
}

void UndoStack::clearHistory()
{
    qDeleteAll(m_undoList);
    m_undoList.clear();
    qDeleteAll(m_redoList);
    m_redoList.clear();
}

void UndoStack::beginGroup()
{
    if (m_openGroup)
        return;
    // The redo list is kept until the group turns out to hold a real edit.
    m_openGroup = new UndoActionList(m_owner);
}

void UndoStack::endGroup()
{
    if (!m_openGroup)
        return;
    UndoActionList* group = m_openGroup;
    m_openGroup = nullptr;
    if (group->isEmpty()) {
        delete group;
        return;
    }
    qDeleteAll(m_redoList);
    m_redoList.clear();
    m_undoList.append(group);
    while (m_undoList.size() > maxGroups)
        delete m_undoList.takeFirst();
}

void UndoStack::undo()
{
    replay(m_undoList, m_redoList);
}

void UndoStack::redo()
{
    replay(m_redoList, m_undoList);
}

void UndoStack::replay(QList<UndoActionList*>& from, QList<UndoActionList*>& to)
{
    endGroup();
    if (from.isEmpty())
        return;
    auto* inverse = new UndoActionList(m_owner);
    m_openGroup = inverse;
    UndoActionList* group = from.takeLast();
    const bool replayed = group->undo();
    delete group;
    m_openGroup = nullptr;
    if (!replayed) {
        // The document no longer matches the history; replaying more would make it worse.
        delete inverse;
        clearHistory();
        return;
    }
    if (inverse->isEmpty()) {
        delete inverse;
        return;
    }
    to.append(inverse);
    while (to.size() > maxGroups)
        delete to.takeFirst();
}

void UndoStack::recordAddNode(Node* node)
{
    if (m_openGroup && node)
        m_openGroup->append(new AddAction(m_owner, static_cast<int>(node->id()), 0));
}

void UndoStack::recordAddNet(Net* net)
{
    if (m_openGroup && net)
        m_openGroup->append(new AddAction(m_owner, 0, static_cast<int>(net->id())));
}

void UndoStack::recordRemove(QGraphicsItem* item)
{
    if (!m_openGroup || !item)
        return;
    auto* action = new RemoveAction(m_owner);
    if (action->store(item))
        m_openGroup->append(action);
    else
        delete action;
}

void UndoStack::recordMoveNode(Node* node, const QPoint& old)
{
    if (!m_openGroup || !node)
        return;
    const int id = static_cast<int>(node->id());
    if (!hasMoveFor(id, 0, 0))
        m_openGroup->append(new MoveAction(m_owner, id, 0, 0, old));
}

void UndoStack::recordMoveNetPoint(NetPoint* point, const QPoint& old)
{
    if (!m_openGroup || !point || !point->net())
        return;
    const int netId = static_cast<int>(point->net()->id());
    const int number = static_cast<int>(point->number());
    if (!hasMoveFor(0, netId, number))
        m_openGroup->append(new MoveAction(m_owner, 0, netId, number, old));
}

void UndoStack::recordNetModified(Net* net)
{
    // A net outside the document (one being drawn) has no state to come back to.
    if (!m_openGroup || !net || !m_owner->nets().contains(net))
        return;
    if (hasNetModifiedFor(static_cast<int>(net->id())))
        return;
    auto* action = new NetModifiedAction(m_owner);
    if (action->store(net))
        m_openGroup->append(action);
    else
        delete action;
}

void UndoStack::beginNetModification(Net* net)
{
    delete m_pendingNetSnapshot;
    m_pendingNetSnapshot = nullptr;
    if (!net)
        return;
    auto* action = new NetModifiedAction(m_owner);
    if (action->store(net))
        m_pendingNetSnapshot = action;
    else
        delete action;
}

void UndoStack::commitNetModification()
{
    if (!m_pendingNetSnapshot || !m_openGroup)
        return;
    m_openGroup->append(m_pendingNetSnapshot);
    m_pendingNetSnapshot = nullptr;
}

bool UndoStack::hasMoveFor(int nodeId, int netId, int pointNumber) const
{
    for (const UndoAction* action : m_openGroup->actions()) {
        if (action->type() == UndoAction::Move
            && static_cast<const MoveAction*>(action)->isFor(nodeId, netId, pointNumber))
            return true;
    }
    return false;
}

bool UndoStack::hasNetModifiedFor(int netId) const
{
    for (const UndoAction* action : m_openGroup->actions()) {
        if (action->type() == UndoAction::NetModified
            && static_cast<const NetModifiedAction*>(action)->netId() == netId)
            return true;
    }
    return false;
}

bool UndoStack::revertNetModification()
{
    NetModifiedAction* snapshot = m_pendingNetSnapshot;
    m_pendingNetSnapshot = nullptr;
    const bool reverted = snapshot && snapshot->undo();
    delete snapshot;
    return reverted;
}
