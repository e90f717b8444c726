#include "Omnidrive.h"

#include "AngleRules.h"
#include "NodeFactory.h"
#include "RobotSlots.h"

namespace {
constexpr unsigned short omnidriveMaintype = 18;
}

Omnidrive::Omnidrive(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Omnidrive::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        //: Omniantrieb
        type.setName(QObject::tr("Omnidrive"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(omnidriveMaintype);
        //: Omniantrieb
        type.addSubtype(QObject::tr("Omnidrive"), QStringLiteral("omnidrive.png"));
        const char* left[] = {"vx set [mm/s]", "vy set [mm/s]", "omega set [deg/s]"};
        const char* right[] = {"v1 set [rpm]", "v2 set [rpm]", "v3 set [rpm]"};
        const char* top[] = {"v1 [rpm]", "v2 [rpm]", "v3 [rpm]"};
        const char* bottom[] = {"vx [mm/s]", "vy [mm/s]", "omega [deg/s]"};
        for (const char* name : left)
            type.addValueSlot(QObject::tr(name), SlotSpec::Input, SlotSpec::Left, 0.0f);
        for (const char* name : right)
            type.addValueSlot(QObject::tr(name), SlotSpec::Output, SlotSpec::Right, 0.0f);
        for (const char* name : top)
            type.addValueSlot(QObject::tr(name), SlotSpec::Input, SlotSpec::Top, 0.0f);
        for (const char* name : bottom)
            type.addValueSlot(QObject::tr(name), SlotSpec::Output, SlotSpec::Bottom, 0.0f);
        nodeFactories().insert(omnidriveMaintype, &Omnidrive::create);
    }
    return type;
}

StateNode* Omnidrive::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Omnidrive(owner, canvas, type.subtype(), id);
}

void Omnidrive::reset()
{
    wanted = {};
    setSpeeds = {};
    measured = {};
    motion = {};
}

void Omnidrive::readInputs()
{
    wanted.vx = RobotSlots::input(*this, SlotSpec::Left, 0);
    wanted.vy = RobotSlots::input(*this, SlotSpec::Left, 1);
    wanted.omega = RobotSlots::input(*this, SlotSpec::Left, 2);
    measured.m1 = RobotSlots::input(*this, SlotSpec::Top, 0);
    measured.m2 = RobotSlots::input(*this, SlotSpec::Top, 1);
    measured.m3 = RobotSlots::input(*this, SlotSpec::Top, 2);
}

int Omnidrive::step()
{
    setSpeeds = OmniKinematics::motorSpeeds(wanted);
    motion = OmniKinematics::robotMotion(measured);
    return 0;
}

void Omnidrive::writeOutputs()
{
    RobotSlots::output(*this, SlotSpec::Right, 0, setSpeeds.m1);
    RobotSlots::output(*this, SlotSpec::Right, 1, setSpeeds.m2);
    RobotSlots::output(*this, SlotSpec::Right, 2, setSpeeds.m3);
    RobotSlots::output(*this, SlotSpec::Bottom, 0, motion.vx);
    RobotSlots::output(*this, SlotSpec::Bottom, 1, motion.vy);
    RobotSlots::output(*this, SlotSpec::Bottom, 2, AngleRules::reducedOmega(motion.omega));
}
