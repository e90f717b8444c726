#include "DigitalInput.h"

#include "ComCenter.h"
#include "DigitalInputDialog.h"
#include "KelmarisCom.h"
#include "NodeFactory.h"
#include "RobotSlots.h"

namespace {
constexpr unsigned short digitalInputMaintype = 32;
const ChannelBlock::IconRule iconRule {"digitalinput.png", "digitalinput_empty.png", -1, 9, ChannelIcon::BottomCentre};
} // namespace

DigitalInput::DigitalInput(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : ChannelBlock(owner, canvas, id, nodeType().withSubtype(subtype), QStringLiteral("input"), iconRule)
{
}

NodeType DigitalInput::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("DigitalInput"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(digitalInputMaintype);
        type.addSubtype(QObject::tr("DigitalInput"), QStringLiteral("digitalinput.png"));
        type.addValueSlot(QObject::tr("DigitalInput"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(digitalInputMaintype, &DigitalInput::create);
    }
    return type;
}

StateNode* DigitalInput::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new DigitalInput(owner, canvas, type.subtype(), id);
}

void DigitalInput::readInputs()
{
    const unsigned c = channel();
    value = c != 0 && robotLink().digitalInput("DI" + std::to_string(c - 1)) ? 1 : 0;
}

void DigitalInput::writeOutputs()
{
    RobotSlots::output(*this, SlotSpec::Right, 0, static_cast<float>(value));
}

NodeDialog* DigitalInput::createDialog(QWidget* parent)
{
    return new DigitalInputDialog(parent, this);
}
