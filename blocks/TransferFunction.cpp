#include "TransferFunction.h"

#include "BlockKind.h"
#include "SlotAccess.h"

#include <mutex>

namespace {
constexpr unsigned short transferFunctionMaintype = 26;
}

TransferFunction::TransferFunction(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType TransferFunction::nodeType()
{
    return describeBlockKind<TransferFunction>([](NodeType& type) {
        type.setName(QObject::tr("Transfer"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(transferFunctionMaintype);
        type.addSubtype(QObject::tr("Transferfunction", "Transferfunktion"), QStringLiteral("transferfunction.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void TransferFunction::setParameters(QMap<QString, QString> parameters)
{
    const std::lock_guard locker(m_pointsMutex);
    m_points.setParameters(parameters);
}

QMap<QString, QString> TransferFunction::parameters() const
{
    const std::lock_guard locker(m_pointsMutex);
    return m_points.parameters();
}

void TransferFunction::readInputs()
{
    m_x = SlotAccess::value(*this, 0);
}

int TransferFunction::step()
{
    const std::lock_guard locker(m_pointsMutex);
    m_y = m_points.evaluate(m_x, m_y);
    return 0;
}

void TransferFunction::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_y);
}

TransferCurve TransferFunction::curve() const
{
    const std::lock_guard locker(m_pointsMutex);
    return m_points;
}

void TransferFunction::addPoint(const Point& p)
{
    const std::lock_guard locker(m_pointsMutex);
    m_points.addPoint(p);
}

bool TransferFunction::removePoint(int position)
{
    const std::lock_guard locker(m_pointsMutex);
    return m_points.removePoint(position);
}

void TransferFunction::movePoint(int position, const Point& p, bool widen)
{
    const std::lock_guard locker(m_pointsMutex);
    m_points.movePoint(position, p, widen);
}

int TransferFunction::findPoint(const Point& p, const Point& q) const
{
    const std::lock_guard locker(m_pointsMutex);
    return m_points.findPoint(p, q);
}

void TransferFunction::setRange(int xmin, int xmax, int ymin, int ymax)
{
    const std::lock_guard locker(m_pointsMutex);
    m_points.setRange(xmin, xmax, ymin, ymax);
}
