#include "TransitionSlot.h"

#include "Net.h"

TransitionSlot::TransitionSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner) : Slot(canvas, spec, owner)
{
    setPixmaps(QStringLiteral("trans_idle.png"), QStringLiteral("trans_accept.png"),
               QStringLiteral("trans_reject.png"));
}

bool TransitionSlot::canConnect(Net* net)
{
    if (!net)
        return true;
    if (!Slot::canConnect(net))
        return false;
    if (hasDirection(SlotSpec::Output) && net->targetCount() == 0)
        return deny(tr("Only outputs."));
    if (isInput() && net->sourceCount() == 0)
        return deny(tr("Only inputs."));
    for (const Slot* target : net->targets()) {
        if (sharesNetWith(target))
            return deny(tr("Double connection."));
    }
    for (const Slot* source : net->sources()) {
        if (sharesNetWith(source))
            return deny(tr("Double connection."));
    }
    showStatus(tr("Slot and net can be connected."));
    return true;
}

void TransitionSlot::reset()
{
}

void TransitionSlot::fetch()
{
}
