#include "Const.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

#include <QMutexLocker>

namespace {
constexpr unsigned short constMaintype = 6;
}

Const::Const(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Const::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Constant", "Konstante"));
        type.setFlags(4);
        type.setMaintype(constMaintype);
        type.addSubtype(QObject::tr("Constant", "Konstante"), QStringLiteral("const.png"));
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("Output"), 1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(constMaintype, &Const::create);
    }
    return type;
}

StateNode* Const::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Const(owner, canvas, type.subtype(), id);
}

void Const::setValue(float value)
{
    constant.store(value);
    writeIfRunning();
}

void Const::setParameters(QMap<QString, QString> parameters)
{
    constant.store(parameters.value(QStringLiteral("value")).toFloat());
    tableRow = parameters.value(QStringLiteral("row")).toInt();
    writeIfRunning();
}

QMap<QString, QString> Const::parameters() const
{
    return {{QStringLiteral("value"), QString::number(constant.load(), 'g', 6)},
            {QStringLiteral("row"), QString::number(tableRow)}};
}

void Const::start()
{
    writeOutputs();
}

void Const::writeOutputs()
{
    QMutexLocker locker(&lock);
    SlotAccess::setValue(*this, 0, constant.load());
}
