#pragma once

#include "ChartNode.h"

// Where control enters a chart: when the chart starts, its output "S" fires.
class Start : public ChartNode
{
    Q_OBJECT

public:
    static constexpr unsigned short maintype = 0;

    Start(StateChart* chart, QGraphicsScene* canvas, unsigned id, const NodeType& type);

    static NodeType nodeType();
    static ChartNode* create(StateChart* chart, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void start() override;
    bool isActive() const override { return false; }
};
