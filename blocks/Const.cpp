#include "Const.h"

#include "BlockKind.h"
#include "ConstView.h"
#include "SlotAccess.h"
#include "State.h"

#include <mutex>

namespace {
constexpr unsigned short constMaintype = 6;
}

Const::Const(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
    if (owner && owner->constView())
        owner->constView()->addConst(this);
}

NodeType Const::nodeType()
{
    return describeBlockKind<Const>([](NodeType& type) {
        type.setName(QObject::tr("Constant", "Konstante"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(constMaintype);
        type.addSubtype(QObject::tr("Constant", "Konstante"), QStringLiteral("const.png"));
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("Output"), 1), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void Const::setValue(float value)
{
    m_constant.store(value);
    writeIfRunning();
}

void Const::updateConstView()
{
    if (State* owner = stateOwner(); owner && owner->constView())
        owner->constView()->updateConst(this);
}

void Const::setParameters(QMap<QString, QString> parameters)
{
    m_constant.store(parameters.value(QStringLiteral("value")).toFloat());
    m_tableRow = parameters.value(QStringLiteral("row")).toInt();
    writeIfRunning();
}

QMap<QString, QString> Const::parameters() const
{
    return {{QStringLiteral("value"), QString::number(m_constant.load(), 'g', 6)},
            {QStringLiteral("row"), QString::number(m_tableRow)}};
}

void Const::start()
{
    writeOutputs();
}

void Const::writeOutputs()
{
    const std::lock_guard locker(m_lock);
    SlotAccess::setValue(*this, 0, m_constant.load());
}
