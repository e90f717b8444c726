#include "Start.h"

#include "Slot.h"

Start::Start(StateChart* chart, QGraphicsScene* canvas, unsigned id, const NodeType& type)
    : ChartNode(chart, canvas, id, type)
{
}

NodeType Start::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = ChartNode::nodeType();
        type.setMaintype(maintype);
        type.setName(tr("Start"));
        type.addSubtype(tr("Start"), QStringLiteral("startnode.png"));
        type.addTransitionSlot(tr("S"), SlotSpec::Output, SlotSpec::Right);
        registerFactory(maintype, &Start::create);
    }
    return type;
}

ChartNode* Start::create(StateChart* chart, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Start(chart, canvas, id, nodeType().withSubtype(type.subtype()));
}

void Start::start()
{
    if (Slot* output = slot(SlotSpec::Right, 0))
        output->sendToConnected(nullptr);
}
