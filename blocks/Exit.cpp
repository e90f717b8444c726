#include "Exit.h"

#include "BlockKind.h"
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
    return describeBlockKind<Exit>([](NodeType& type) {
        type.setName(QObject::tr("Exit", "Ausgang"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(exitMaintype);
        type.addSubtype(QObject::tr("Exit %1").arg(QLatin1String("A")), QStringLiteral("exit_a.png"));
        type.addSubtype(QObject::tr("Exit %1").arg(QLatin1String("B")), QStringLiteral("exit_b.png"));
        type.addSubtype(QObject::tr("Exit %1").arg(QLatin1String("C")), QStringLiteral("exit_c.png"));
        type.addValueSlot(QObject::tr("x"), SlotSpec::Input, SlotSpec::Left, 0.0f);
    });
}

void Exit::readInputs()
{
    m_input = SlotAccess::isTrue(*this, 0);
}

int Exit::step()
{
    return m_input ? type()->subtype() + 1 : 0;
}
