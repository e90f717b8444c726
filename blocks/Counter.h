#pragma once

#include "StateNode.h"

#include <atomic>

// Counts rising and/or falling edges of its input up (variant 0) or down; a true
// Reset input clears the count.
class Counter : public StateNode
{
public:
    Counter(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

    // Set by the dialog while the cycle reads them.
    std::atomic<bool> resetOnStart {true};
    std::atomic<bool> countOnRisingEdge {true};
    std::atomic<bool> countOnFallingEdge {false};

private:
    int count = 0;
    bool input = false;
    bool previous = false;
    bool resetInput = false;
};
