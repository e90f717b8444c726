#include "NetModifiedAction.h"

#include "Net.h"
#include "StateBase.h"

#include <QGraphicsScene>

NetModifiedAction::NetModifiedAction(StateBase* owner) : UndoAction(owner)
{
}

bool NetModifiedAction::store(const Net* net)
{
    if (!net || !net->save(m_snapshot.root()))
        return false;
    m_netId = static_cast<int>(net->id());
    return true;
}

bool NetModifiedAction::undo()
{
    if (!m_snapshot.firstElementIs("net"))
        return false;
    Net* old = Net::load(owner()->canvas(), owner(), m_snapshot.firstElement(), nullptr);
    if (!old)
        return false;
    owner()->removeNetById(static_cast<int>(old->id()));
    if (!owner()->addNet(old)) {
        owner()->removeNet(old);
        return false;
    }
    old->notifySlots();
    return true;
}
