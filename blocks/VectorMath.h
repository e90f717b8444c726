#pragma once

#include "StateNode.h"
#include "Vector.h"

#include <QVector>

#include <mutex>

// Adds or subtracts (I1 - I2 - …) 2 to 10 vector inputs.
class VectorMath : public StateNode
{
public:
    static constexpr int minimumInputs = 2;
    static constexpr int maximumInputs = 10;

    VectorMath(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void readInputs() override;
    int step() override;
    void writeOutputs() override;

    // The dialog resizes the inputs after it has changed the input count.
    void resizeInputs(int count);

private:
    std::mutex m_inputsMutex;
    QVector<Vector> m_inputs;
    Vector m_result;
};
