#pragma once

#include "StateNode.h"

#include <QVector>

#include <mutex>

// Folds 2 to 10 inputs into one result: sum, difference (I1 - I2 - …), product,
// minimum or maximum.
class BasicMath2 : public StateNode
{
public:
    static constexpr int minimumInputs = 2;
    static constexpr int maximumInputs = 10;

    BasicMath2(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void readInputs() override;
    int step() override;
    void writeOutputs() override;

    // The dialog resizes the values after it has changed the input count.
    void resizeValues(int count);

private:
    float fold(int subtype) const;

    std::mutex m_valuesMutex;
    QVector<float> m_values;
    float m_result = 0.0f;
};
