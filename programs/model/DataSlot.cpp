#include "DataSlot.h"

#include "Net.h"
#include "NetLine.h"

#include <QGraphicsScene>

DataSlot::DataSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner) : Slot(canvas, spec, owner)
{
}

bool DataSlot::canConnect(Net* net)
{
    // An input that already has a net cannot even start a new one.
    if (isInput() && !lines().isEmpty())
        return deny(tr("Only one net per input."));
    if (!net)
        return true;
    if (!Slot::canConnect(net))
        return false;
    if (hasDirection(SlotSpec::Output)) {
        if (net->targetCount() == 0)
            return deny(tr("Only outputs."));
        if (net->sourceCount() > 0)
            return deny(tr("Only one output per net."));
    }
    if (isInput() && net->sourceCount() == 0)
        return deny(tr("Only inputs."));
    showStatus(tr("Slot and net can be connected."));
    return true;
}

bool DataSlot::hasTransform() const
{
    return transform() != 0;
}

void DataSlot::setTransform(int index)
{
    m_transform.store(index, std::memory_order_relaxed);
    repaint();
    if (scene())
        scene()->update();
}

void DataSlot::setParameter(int i, float value)
{
    if (i >= 0 && i < 4)
        m_parameters[i].store(value, std::memory_order_relaxed);
}

Slot* DataSlot::findSource() const
{
    if (lines().isEmpty())
        return nullptr;
    const Net* net = lines().first()->net();
    if (!net || net->sources().isEmpty())
        return nullptr;
    return net->sources().first();
}
