#include "Abs.h"

#include "BlockKind.h"
#include "SlotAccess.h"

#include <cmath>

namespace {
constexpr unsigned short absMaintype = 38;
}

Abs::Abs(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Abs::nodeType()
{
    return describeBlockKind<Abs>([](NodeType& type) {
        type.setName(QObject::tr("Abs"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(absMaintype);
        type.addSubtype(QObject::tr("Abs"), QStringLiteral("abs.png"));
        type.addValueSlot(QObject::tr("x"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("y"), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void Abs::reset()
{
    m_x = 0.0f;
}

void Abs::readInputs()
{
    m_x = SlotAccess::value(*this, 0);
}

void Abs::writeOutputs()
{
    SlotAccess::setValue(*this, 0, std::fabs(m_x));
}
