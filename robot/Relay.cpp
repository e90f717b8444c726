#include "Relay.h"

#include "ComCenter.h"
#include "KelmarisCom.h"
#include "NodeFactory.h"
#include "RelayDialog.h"
#include "RobotSlots.h"

namespace {
constexpr unsigned short relayMaintype = 44;
const ChannelBlock::IconRule iconRule {"relay.png", "relay_empty.png", -1, 9, ChannelIcon::BottomCentre};
} // namespace

Relay::Relay(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : ChannelBlock(owner, canvas, id, nodeType().withSubtype(subtype), QStringLiteral("output"), iconRule)
{
}

NodeType Relay::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Relay"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(relayMaintype);
        type.addSubtype(QObject::tr("Relay"), QStringLiteral("relay.png"));
        type.addValueSlot(QObject::tr("Relay"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        nodeFactories().insert(relayMaintype, &Relay::create);
    }
    return type;
}

StateNode* Relay::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Relay(owner, canvas, type.subtype(), id);
}

void Relay::readInputs()
{
    state.store(RobotSlots::isTrue(*this, SlotSpec::Left, 0));
}

void Relay::writeOutputs()
{
    const unsigned n = relay();
    if (n != 0)
        robotLink().setDigitalOutput("R" + std::to_string(n - 1), state.load());
}

NodeDialog* Relay::createDialog(QWidget* parent)
{
    return new RelayDialog(parent, this);
}
