#pragma once

#include "ChartNode.h"

// Joins parallel branches of a chart. And passes control on once no branch before it
// is active any more; Or as soon as one branch has ended, stopping the others.
class Sync : public ChartNode
{
    Q_OBJECT

public:
    static constexpr unsigned short maintype = 2;
    enum Variant { And = 0, Or = 1 };

    Sync(StateChart* chart, QGraphicsScene* canvas, unsigned id, const NodeType& type);

    static NodeType nodeType();
    static ChartNode* create(StateChart* chart, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void receive(void* data, Slot* target, Slot* source) override;
    bool isActive() const override;

private:
    // The elements on the nets at the input, other than this one; how many are active.
    int activeBranches(const QList<Node*>& branches) const;
    void stopOtherBranches(Slot* input);
    void fire();
};
