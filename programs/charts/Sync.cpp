#include "Sync.h"

#include "Net.h"
#include "NetLine.h"
#include "Slot.h"

namespace {

// The Syncs that are firing or being asked in this thread: a loop of transitions back
// into one of them ends there instead of recursing without end.
thread_local QList<const Sync*> firingSyncs;
thread_local QList<const Sync*> askedSyncs;

// Marks a Sync as busy in this thread for the guard's life; false when it already was.
class ReentryGuard
{
public:
    ReentryGuard(QList<const Sync*>& busy, const Sync* sync) : m_busy(busy), m_sync(sync)
    {
        m_entered = !busy.contains(sync);
        if (m_entered)
            busy.append(sync);
    }
    ~ReentryGuard()
    {
        if (m_entered)
            m_busy.removeOne(m_sync);
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;
    bool entered() const { return m_entered; }

private:
    QList<const Sync*>& m_busy;
    const Sync* m_sync;
    bool m_entered = false;
};

bool isActiveChartNode(const Node* node)
{
    const auto* element = qobject_cast<const ChartNode*>(node);
    return element && element->isActive();
}

} // namespace

Sync::Sync(StateChart* chart, QGraphicsScene* canvas, unsigned id, const NodeType& type)
    : ChartNode(chart, canvas, id, type)
{
}

NodeType Sync::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = ChartNode::nodeType();
        type.setMaintype(maintype);
        type.setName(tr("Sync"));
        //: Synchronisation Und
        type.addSubtype(tr("Synchronize And"), QStringLiteral("sync_and.png"));
        //: Synchronisation Oder
        type.addSubtype(tr("Synchronize Or"), QStringLiteral("sync_or.png"));
        type.addTransitionSlot(tr("x"), SlotSpec::Input, SlotSpec::Left);
        type.addTransitionSlot(tr("y"), SlotSpec::Output, SlotSpec::Right);
        registerFactory(maintype, &Sync::create);
    }
    return type;
}

ChartNode* Sync::create(StateChart* chart, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Sync(chart, canvas, id, nodeType().withSubtype(type.subtype()));
}

void Sync::receive(void*, Slot* target, Slot*)
{
    if (!target || target->spec().side() != SlotSpec::Left)
        return;
    ReentryGuard guard(firingSyncs, this);
    if (!guard.entered())
        return;
    const QList<Node*> branches = target->connectedNodes();
    const int running = activeBranches(branches);
    switch (type()->subtype()) {
    case And:
        if (running == 0)
            fire();
        break;
    case Or:
        if (running < int(branches.size())) {
            stopOtherBranches(target);
            fire();
        }
        break;
    default: break;
    }
}

int Sync::activeBranches(const QList<Node*>& branches) const
{
    int running = 0;
    for (const Node* node : branches) {
        if (isActiveChartNode(node))
            ++running;
    }
    return running;
}

void Sync::stopOtherBranches(Slot* input)
{
    // A StateBlock told through one of its outputs stops its program without firing.
    for (NetLine* line : input->lines()) {
        const QList<Slot*> sources = line->net()->sources();
        for (Slot* source : sources)
            source->owner()->receive(nullptr, source, input);
    }
}

void Sync::fire()
{
    if (Slot* output = slot(SlotSpec::Right, 0))
        output->sendToConnected(nullptr);
}

bool Sync::isActive() const
{
    ReentryGuard guard(askedSyncs, this);
    if (!guard.entered())
        return false;
    const Slot* input = slot(SlotSpec::Left, 0);
    return input && activeBranches(input->connectedNodes()) > 0;
}
