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
    NodeDialog* createDialog(QWidget* parent) override;

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
    int m_count = 0;
    bool m_input = false;
    bool m_previous = false;
    bool m_resetInput = false;
};
