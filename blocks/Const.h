#pragma once

#include "StateNode.h"

#include <QMutex>

#include <atomic>

// Puts a number the user sets on its output. It is edited in the program's constants
// table, also while the program runs.
class Const : public StateNode
{
public:
    Const(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    float value() const { return constant.load(); }
    // Reaches the output at once while the program runs.
    void setValue(float value);
    int row() const { return tableRow; }

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void start() override;
    void writeOutputs() override;

private:
    // Written by the GUI thread, read by the cycle.
    std::atomic<float> constant {0.0f};
    int tableRow = 0;
    // Keeps a write from the GUI and one from the cycle from interleaving.
    QMutex lock;
};
