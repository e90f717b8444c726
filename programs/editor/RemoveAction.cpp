#include "RemoveAction.h"

#include "Node.h"
#include "NodePixmap.h"
#include "StateBase.h"

RemoveAction::RemoveAction(StateBase* owner) : UndoAction(owner)
{
}

bool RemoveAction::store(QGraphicsItem* item)
{
    auto* icon = dynamic_cast<NodePixmap*>(item);
    if (!icon || !icon->node())
        return false;
    return icon->node()->saveXml(m_snapshot.root());
}

bool RemoveAction::undo()
{
    Node* node = owner()->loadItem(m_snapshot.firstElement());
    if (!node)
        return false;
    node->show();
    if (!owner()->addNode(node)) {
        delete node;
        return false;
    }
    return true;
}
