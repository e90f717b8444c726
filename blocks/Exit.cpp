#include "Exit.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short exitMaintype = 8;
}

Exit::Exit(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Exit::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Exit", "Ausgang"));
        type.setFlags(4);
        type.setMaintype(exitMaintype);
        type.addSubtype(QObject::tr("Exit %1").arg(QLatin1String("A")), QStringLiteral("exit_a.png"));
        type.addSubtype(QObject::tr("Exit %1").arg(QLatin1String("B")), QStringLiteral("exit_b.png"));
        type.addSubtype(QObject::tr("Exit %1").arg(QLatin1String("C")), QStringLiteral("exit_c.png"));
        type.addValueSlot(QObject::tr("x"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        nodeFactories().insert(exitMaintype, &Exit::create);
    }
    return type;
}

StateNode* Exit::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Exit(owner, canvas, type.subtype(), id);
}

void Exit::readInputs()
{
    input = SlotAccess::isTrue(*this, 0);
}

int Exit::step()
{
    return input ? type()->subtype() + 1 : 0;
}
