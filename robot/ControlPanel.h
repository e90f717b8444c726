#pragma once

#include "StateNode.h"

#include <atomic>

// Steering by hand: the dialog's direction buttons add unit steps, the speed slider sets
// the size of one step, and the block puts out vx, vy and omega.
class ControlPanel : public StateNode
{
public:
    static constexpr int defaultSpeed = 20;

    ControlPanel(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    NodeDialog* createDialog(QWidget* parent) override;
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    // GUI thread: one click adds these unit steps.
    void addSteps(int x, int y, int turn);
    void stopAll();
    void setSpeed(int speed) { m_speed.store(speed); }
    int speed() const { return m_speed.load(); }

    void start() override;
    void writeOutputs() override;

private:
    std::atomic<int> xFactor {0};
    std::atomic<int> yFactor {0};
    std::atomic<int> turnFactor {0};
    std::atomic<int> m_speed {defaultSpeed};
};
