#pragma once

#include <QWidget>

class Motor;
class QComboBox;
class QLabel;
class QSlider;

// The motor dialog's custom page: the motor list and the three gains of the motor's
// speed controller on sliders in steps of 1/255.
class MotorPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr float gainStep = 0.003921568859368563f;

    explicit MotorPage(Motor& block, QWidget* parent = nullptr);

    QComboBox* list() const { return motorList; }
    QSlider* slider(int gain) const { return sliders[gain]; }
    QLabel* valueLabel(int gain) const { return values[gain]; }

public Q_SLOTS:
    void diChanged_Slot(int index);
    void kpChanged(int v);
    void kiChanged(int v);
    void kdChanged(int v);

private:
    void gainChanged(int gain, int v);

    Motor& block;
    QComboBox* motorList;
    QSlider* sliders[3];
    QLabel* values[3];
};
