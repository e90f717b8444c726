#include "DigitalOutput.h"

#include "ComCenter.h"
#include "DigitalOutputDialog.h"
#include "KelmarisCom.h"
#include "NodeFactory.h"
#include "RobotSlots.h"

namespace {
constexpr unsigned short digitalOutputMaintype = 34;
const ChannelBlock::IconRule iconRule {"digitaloutput.png", "digitaloutput_empty.png", -1, 9,
                                       ChannelIcon::BottomCentre};
} // namespace

DigitalOutput::DigitalOutput(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : ChannelBlock(owner, canvas, id, nodeType().withSubtype(subtype), QStringLiteral("output"), iconRule)
{
}

NodeType DigitalOutput::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("DigitalOutput"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(digitalOutputMaintype);
        type.addSubtype(QObject::tr("DigitalOutput"), QStringLiteral("digitaloutput.png"));
        type.addValueSlot(QObject::tr("DigitalOutput"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        nodeFactories().insert(digitalOutputMaintype, &DigitalOutput::create);
    }
    return type;
}

StateNode* DigitalOutput::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new DigitalOutput(owner, canvas, type.subtype(), id);
}

void DigitalOutput::readInputs()
{
    value.store(RobotSlots::isTrue(*this, SlotSpec::Left, 0));
}

void DigitalOutput::writeOutputs()
{
    const unsigned c = channel();
    if (c != 0)
        robotLink().setDigitalOutput("DO" + std::to_string(c - 1), value.load());
}

NodeDialog* DigitalOutput::createDialog(QWidget* parent)
{
    return new DigitalOutputDialog(parent, this);
}
