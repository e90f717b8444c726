#include "Distance.h"

#include "ComCenter.h"
#include "DistanceDialog.h"
#include "KelmarisCom.h"
#include "NodeFactory.h"
#include "RobotSlots.h"

namespace {
constexpr unsigned short distanceMaintype = 19;
constexpr unsigned degreesPerSensor = 40;
const ChannelBlock::IconRule iconRule {"distance_empty.png", "distance.png", 0, 10, ChannelIcon::BottomRight};
} // namespace

Distance::Distance(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : ChannelBlock(owner, canvas, id, nodeType().withSubtype(subtype), QStringLiteral("distance"), iconRule)
{
}

NodeType Distance::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Distance"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(distanceMaintype);
        type.addSubtype(QObject::tr("Distance"), QStringLiteral("distance_empty.png"));
        type.addValueSlot(QObject::tr("Value [V]"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("Heading [deg]"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(distanceMaintype, &Distance::create);
    }
    return type;
}

StateNode* Distance::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Distance(owner, canvas, type.subtype(), id);
}

unsigned Distance::headingOf(unsigned sensor)
{
    return sensor == 0 ? 0 : degreesPerSensor * (sensor - 1);
}

void Distance::readInputs()
{
    const unsigned n = channel();
    value = n != 0 ? robotLink().distance(n) : 0.0f;
    heading = headingOf(n);
}

void Distance::writeOutputs()
{
    RobotSlots::output(*this, SlotSpec::Right, 0, value);
    RobotSlots::output(*this, SlotSpec::Right, 1, static_cast<float>(heading));
}

NodeDialog* Distance::createDialog(QWidget* parent)
{
    return new DistanceDialog(parent, this);
}
