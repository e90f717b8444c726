#pragma once

#include "StateNode.h"

#include <QEvent>

#include <array>
#include <atomic>

// A game controller in a program: five outputs carry chosen axes, buttons or sliders of
// one controller, two inputs drive its force feedback.
class Joystick : public StateNode
{
    Q_OBJECT

public:
    enum Kind { AxisKind = 0, ButtonKind = 1, SliderKind = 2 };
    static constexpr int outputCount = 5;

    struct ControlDescriptor
    {
        int kind = AxisKind;
        int number = 0;
    };

    Joystick(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    NodeDialog* createDialog(QWidget* parent) override;
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    int controller() const { return m_controller.load(); }
    // GUI thread: -1 for none.
    void setController(int index) { m_controller.store(index); }
    ControlDescriptor descriptor(int output) const;
    void setDescriptor(int output, const ControlDescriptor& descriptor);

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void stop() override;
    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

Q_SIGNALS:
    // GUI thread: a failed poll made the block forget its controller.
    void controllerLost();
    // GUI thread: the parameters were set anew.
    void parametersChanged();

protected:
    void customEvent(QEvent* event) override;

private:
    static QEvent::Type lostEventType();

    std::array<std::atomic<int>, outputCount> kinds {};
    std::array<std::atomic<int>, outputCount> numbers {};
    float fx = 0.0f;
    float fy = 0.0f;
    std::atomic<int> m_controller {-1};
};
