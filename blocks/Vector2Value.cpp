#include "Vector2Value.h"

#include "BlockKind.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short vector2ValueMaintype = 28;
}

Vector2Value::Vector2Value(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Vector2Value::nodeType()
{
    return describeBlockKind<Vector2Value>([](NodeType& type) {
        type.setName(QObject::tr("Vector"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(vector2ValueMaintype);
        type.addSubtype(QObject::tr("Vector to cartesian", "Vector nach kartesisch"),
                        QStringLiteral("vector2value.png"));
        type.addSubtype(QObject::tr("Vector to polar", "Vector nach polar"), QStringLiteral("vector2polar.png"));
        type.addVectorSlot(QObject::tr("Vector"), SlotSpec::Input, SlotSpec::Left, Vector());
        SlotSpec* m_first =
            type.addValueSlot(QObject::tr("x", "Vector x component"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        m_first->setName(QObject::tr("Length", "Länge"), 1);
        SlotSpec* m_second =
            type.addValueSlot(QObject::tr("y", "Vector y component"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        m_second->setName(QObject::tr("Direction/deg", "Winkel/Grad"), 1);
    });
}

void Vector2Value::readInputs()
{
    m_input = SlotAccess::vector(*this, 0);
}

int Vector2Value::step()
{
    switch (type()->subtype()) {
    case 0:
        m_first = m_input.x();
        m_second = m_input.y();
        break;
    case 1:
        m_first = m_input.length();
        m_second = m_input.angle();
        break;
    default: break;
    }
    return 0;
}

void Vector2Value::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_first);
    SlotAccess::setValue(*this, 1, m_second);
}
