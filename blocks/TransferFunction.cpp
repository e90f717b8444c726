#include "TransferFunction.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

#include <QMutexLocker>

namespace {
constexpr unsigned short transferFunctionMaintype = 26;
}

TransferFunction::TransferFunction(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType TransferFunction::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Transfer"));
        type.setFlags(4);
        type.setMaintype(transferFunctionMaintype);
        type.addSubtype(QObject::tr("Transferfunction", "Transferfunktion"), QStringLiteral("transferfunction.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(transferFunctionMaintype, &TransferFunction::create);
    }
    return type;
}

StateNode* TransferFunction::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new TransferFunction(owner, canvas, type.subtype(), id);
}

void TransferFunction::setParameters(QMap<QString, QString> parameters)
{
    QMutexLocker locker(&pointsMutex);
    points.setParameters(parameters);
}

QMap<QString, QString> TransferFunction::parameters() const
{
    QMutexLocker locker(&pointsMutex);
    return points.parameters();
}

void TransferFunction::readInputs()
{
    x = SlotAccess::value(*this, 0);
}

int TransferFunction::step()
{
    QMutexLocker locker(&pointsMutex);
    y = points.evaluate(x, y);
    return 0;
}

void TransferFunction::writeOutputs()
{
    SlotAccess::setValue(*this, 0, y);
}

TransferCurve TransferFunction::curve() const
{
    QMutexLocker locker(&pointsMutex);
    return points;
}

void TransferFunction::addPoint(const Point& p)
{
    QMutexLocker locker(&pointsMutex);
    points.addPoint(p);
}

bool TransferFunction::removePoint(int position)
{
    QMutexLocker locker(&pointsMutex);
    return points.removePoint(position);
}

void TransferFunction::movePoint(int position, const Point& p, bool widen)
{
    QMutexLocker locker(&pointsMutex);
    points.movePoint(position, p, widen);
}

int TransferFunction::findPoint(const Point& p, const Point& q) const
{
    QMutexLocker locker(&pointsMutex);
    return points.findPoint(p, q);
}

void TransferFunction::setRange(int xmin, int xmax, int ymin, int ymax)
{
    QMutexLocker locker(&pointsMutex);
    points.setRange(xmin, xmax, ymin, ymax);
}
