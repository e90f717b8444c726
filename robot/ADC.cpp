#include "ADC.h"

#include "ADCDialog.h"
#include "ComCenter.h"
#include "KelmarisCom.h"
#include "NodeFactory.h"
#include "RobotSlots.h"

namespace {
constexpr unsigned short adcMaintype = 33;
const ChannelBlock::IconRule iconRule {"adc.png", "adc_empty.png", -1, 9, ChannelIcon::BottomCentre};
} // namespace

ADC::ADC(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : ChannelBlock(owner, canvas, id, nodeType().withSubtype(subtype), QStringLiteral("AN"), iconRule)
{
}

NodeType ADC::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("ADC"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(adcMaintype);
        type.addSubtype(QObject::tr("ADC"), QStringLiteral("adc.png"));
        type.addValueSlot(QObject::tr("ADC"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(adcMaintype, &ADC::create);
    }
    return type;
}

StateNode* ADC::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new ADC(owner, canvas, type.subtype(), id);
}

void ADC::readInputs()
{
    const unsigned c = channel();
    value = c != 0 ? robotLink().analogInput(c - 1) : 0.0f;
}

void ADC::writeOutputs()
{
    RobotSlots::output(*this, SlotSpec::Right, 0, value);
}

NodeDialog* ADC::createDialog(QWidget* parent)
{
    return new ADCDialog(parent, this);
}
