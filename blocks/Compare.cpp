#include "Compare.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short compareMaintype = 16;
}

Compare::Compare(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Compare::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Compare", "Vergleich"));
        type.setFlags(4);
        type.setMaintype(compareMaintype);
        type.addSubtype(QObject::tr("Greater", "Größer"), QStringLiteral("compare_greater.png"));
        type.addSubtype(QObject::tr("Less", "Kleiner"), QStringLiteral("compare_less.png"));
        type.addSubtype(QObject::tr("Greater equal", "Größer gleich"), QStringLiteral("compare_greater_equal.png"));
        type.addSubtype(QObject::tr("Less equal", "Kleiner gleich"), QStringLiteral("compare_less_equal.png"));
        type.addSubtype(QObject::tr("Equal", "Gleich"), QStringLiteral("compare_equal.png"));
        type.addSubtype(QObject::tr("Not equal", "Ungleich"), QStringLiteral("compare_not_equal.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(compareMaintype, &Compare::create);
    }
    return type;
}

StateNode* Compare::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Compare(owner, canvas, type.subtype(), id);
}

void Compare::reset()
{
    result = false;
    a = b = 0.0f;
}

void Compare::readInputs()
{
    a = SlotAccess::value(*this, 0);
    b = SlotAccess::value(*this, 1);
}

int Compare::step()
{
    switch (type()->subtype()) {
    case 0:
        result = a > b;
        break;
    case 1:
        result = a < b;
        break;
    case 2:
        result = a >= b;
        break;
    case 3:
        result = a <= b;
        break;
    case 4:
        result = a == b;
        break;
    case 5:
        result = a != b;
        break;
    default:
        break;
    }
    return 0;
}

void Compare::writeOutputs()
{
    SlotAccess::setValue(*this, 0, result ? 1.0f : 0.0f);
}
