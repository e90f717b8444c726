#pragma once

#include "StateNode.h"

// Ends its program with exit 1, 2 or 3 (variants A, B, C) while its input is true.
class Exit : public StateNode
{
public:
    Exit(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void readInputs() override;
    int step() override;

private:
    bool m_input = false;
};
