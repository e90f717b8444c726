#pragma once

#include "StateNode.h"

#include <atomic>
#include <mutex>

// Puts a number the user sets on its output. It is edited in the program's constants
// table, also while the program runs.
class Const : public StateNode
{
public:
    Const(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    // The constants table shows and edits the value: no dialog; opening one flashes
    // the block's row there instead.
    void showDialog(QWidget* parent, bool restore) override;
    void updateConstView() override;

    float value() const { return m_constant.load(); }
    // Reaches the output at once while the program runs.
    void setValue(float value);
    int row() const { return m_tableRow; }

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void start() override;
    void writeOutputs() override;

private:
    // Written by the GUI thread, read by the cycle.
    std::atomic<float> m_constant {0.0f};
    int m_tableRow = 0;
    // Keeps a write from the GUI and one from the cycle from interleaving.
    std::mutex m_lock;
};
