#include "Joystick.h"

#include "AngleRules.h"
#include "JoystickDialog.h"
#include "JoystickWin32.h"
#include "NodeFactory.h"
#include "RobotSlots.h"
#include "ThreadHandOver.h"

#include <QCoreApplication>

namespace {
constexpr unsigned short joystickMaintype = 9;
}

Joystick::Joystick(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Joystick::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Joystick"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(joystickMaintype);
        type.addSubtype(QObject::tr("Joystick"), QStringLiteral("joystick.png"));
        type.addValueSlot(QObject::tr("fx"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("fy"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        for (const char* name : {"A", "B", "C", "D", "E"})
            type.addValueSlot(QObject::tr(name), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(joystickMaintype, &Joystick::create);
    }
    return type;
}

StateNode* Joystick::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Joystick(owner, canvas, type.subtype(), id);
}

QEvent::Type Joystick::lostEventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

Joystick::ControlDescriptor Joystick::descriptor(int output) const
{
    if (output < 0 || output >= outputCount)
        return {};
    return {kinds[output].load(), numbers[output].load()};
}

void Joystick::setDescriptor(int output, const ControlDescriptor& descriptor)
{
    if (output < 0 || output >= outputCount)
        return;
    kinds[output].store(descriptor.kind);
    numbers[output].store(descriptor.number);
}

void Joystick::setParameters(QMap<QString, QString> parameters)
{
    setController(parameters.value(QStringLiteral("joyNumber")).toInt());
    for (int k = 0; k < outputCount; ++k) {
        setDescriptor(k,
                      {parameters.value(QStringLiteral("t%1").arg(k)).toInt(),
                       parameters.value(QStringLiteral("n%1").arg(k)).toInt()});
    }
    Q_EMIT parametersChanged();
}

QMap<QString, QString> Joystick::parameters() const
{
    QMap<QString, QString> result;
    result.insert(QStringLiteral("joyNumber"), QString::number(controller()));
    for (int k = 0; k < outputCount; ++k) {
        const ControlDescriptor d = descriptor(k);
        result.insert(QStringLiteral("t%1").arg(k), QString::number(d.kind));
        result.insert(QStringLiteral("n%1").arg(k), QString::number(d.number));
    }
    return result;
}

void Joystick::stop()
{
    if (joystickManager)
        joystickManager->stopForce(controller());
}

void Joystick::reset()
{
    fx = 0.0f;
    fy = 0.0f;
}

void Joystick::readInputs()
{
    fx = RobotSlots::input(*this, SlotSpec::Left, 0);
    fy = RobotSlots::input(*this, SlotSpec::Left, 1);
}

int Joystick::step()
{
    const int index = controller();
    if (index < 0 || !joystickManager)
        return 0;
    joystickManager->setForce(index, AngleRules::truncated(fx), AngleRules::truncated(fy));
    if (!joystickManager->poll(index)) {
        m_controller.store(-1);
        // The dialog is reset on the GUI thread, through the block that outlives it.
        postHandOver(this, new QEvent(lostEventType()));
    }
    return 0;
}

void Joystick::writeOutputs()
{
    const int index = controller();
    if (index < 0 || !joystickManager)
        return;
    for (int k = 0; k < outputCount; ++k) {
        const ControlDescriptor d = descriptor(k);
        if (d.kind == AxisKind)
            RobotSlots::output(*this, SlotSpec::Right, k, static_cast<float>(joystickManager->axis(index, d.number)));
        else if (d.kind == ButtonKind)
            RobotSlots::output(*this, SlotSpec::Right, k, joystickManager->button(index, d.number) ? 1.0f : 0.0f);
        else if (d.kind == SliderKind)
            RobotSlots::output(*this, SlotSpec::Right, k, static_cast<float>(joystickManager->slider(index, d.number)));
    }
}

void Joystick::customEvent(QEvent* event)
{
    receiveHandOver(event);
    if (event->type() == lostEventType())
        Q_EMIT controllerLost();
    else
        StateNode::customEvent(event);
}

NodeDialog* Joystick::createDialog(QWidget* parent)
{
    return new JoystickDialog(parent, this);
}
