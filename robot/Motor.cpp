#include "Motor.h"

#include "AngleRules.h"
#include "ComCenter.h"
#include "KelmarisCom.h"
#include "MotorDialog.h"
#include "NodeFactory.h"
#include "RobotSlots.h"

namespace {

constexpr unsigned short motorMaintype = 14;
const ChannelBlock::IconRule iconRule {"motor.png", "motor_empty.png", 0, 10, ChannelIcon::RightCentre};

void readGain(const QMap<QString, QString>& parameters, const char* key, Motor& motor, void (Motor::*set)(float))
{
    bool ok = false;
    const float value = parameters.value(QLatin1String(key)).toFloat(&ok);
    if (ok)
        (motor.*set)(value);
}

} // namespace

Motor::Motor(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : ChannelBlock(owner, canvas, id, nodeType().withSubtype(subtype), QStringLiteral("motor"), iconRule)
{
}

NodeType Motor::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Motor"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(motorMaintype);
        type.addSubtype(QObject::tr("Motor"), QStringLiteral("motor.png"));
        //: Sollgeschwindigkeit
        type.addValueSlot(QObject::tr("set velocity [rpm]"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        //: Priorität
        type.addValueSlot(QObject::tr("priority"), SlotSpec::Input, SlotSpec::Left, 1.0f);
        type.addValueSlot(QObject::tr("reset position"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Brake"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        //: Istgeschwindigkeit
        type.addValueSlot(QObject::tr("actual velocity [rpm]"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("actual position"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("motor current"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(motorMaintype, &Motor::create);
    }
    return type;
}

StateNode* Motor::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Motor(owner, canvas, type.subtype(), id);
}

void Motor::setParameters(QMap<QString, QString> parameters)
{
    ChannelBlock::setParameters(parameters);
    if (motor() == 0)
        return;
    readGain(parameters, "kp", *this, &Motor::setKp);
    readGain(parameters, "ki", *this, &Motor::setKi);
    readGain(parameters, "kd", *this, &Motor::setKd);
}

QMap<QString, QString> Motor::parameters() const
{
    QMap<QString, QString> result = ChannelBlock::parameters();
    if (motor() == 0)
        return result;
    result.insert(QStringLiteral("kp"), QString::number(kp(), 'g', 6));
    result.insert(QStringLiteral("ki"), QString::number(ki(), 'g', 6));
    result.insert(QStringLiteral("kd"), QString::number(kd(), 'g', 6));
    result.insert(QStringLiteral("brake"), brake.load() ? QStringLiteral("1") : QStringLiteral("0"));
    return result;
}

void Motor::readInputs()
{
    const unsigned n = motor();
    if (n == 0) {
        actualVelocity = 0;
        motorCurrent = 0;
        return;
    }
    setVelocity = AngleRules::truncated(RobotSlots::input(*this, SlotSpec::Left, 0));
    priority = AngleRules::truncated(RobotSlots::input(*this, SlotSpec::Left, 1));
    resetPosition = RobotSlots::isTrue(*this, SlotSpec::Left, 2);
    brake.store(RobotSlots::isTrue(*this, SlotSpec::Left, 3));
    KelmarisCom& link = robotLink();
    actualVelocity = AngleRules::truncated(link.actualVelocity(n - 1));
    motorCurrent = link.adc("S" + std::to_string(n - 1) + "_AD0");
    position = -link.position(n - 1);
}

void Motor::writeOutputs()
{
    const unsigned n = motor();
    if (n != 0) {
        KelmarisCom& link = robotLink();
        const unsigned index = n - 1;
        if (brake.load()) {
            link.setBrake(index, true);
        } else {
            link.addVelocity(index, static_cast<float>(setVelocity), static_cast<float>(priority));
            link.setKp(index, kp());
            link.setKi(index, ki());
            link.setKd(index, kd());
        }
        link.resetPosition(index, resetPosition);
    }
    RobotSlots::output(*this, SlotSpec::Right, 0, static_cast<float>(actualVelocity));
    RobotSlots::output(*this, SlotSpec::Right, 1, static_cast<float>(position));
    RobotSlots::output(*this, SlotSpec::Right, 2, static_cast<float>(motorCurrent));
}

NodeDialog* Motor::createDialog(QWidget* parent)
{
    return new MotorDialog(parent, this);
}
