#include "NStar.h"

#include "ComCenter.h"
#include "DialogRefresh.h"
#include "KelmarisCom.h"
#include "NStarDialog.h"
#include "NodeFactory.h"
#include "NorthStarFrame.h"
#include "RobotSlots.h"

#include <mutex>

namespace {

constexpr unsigned short nstarMaintype = 42;

double number(const QMap<QString, QString>& parameters, const char* key)
{
    bool ok = false;
    const double value = parameters.value(QLatin1String(key)).toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace

NStar::NStar(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
    m_command.room = 0;
}

NodeType NStar::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("NorthStar"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(nstarMaintype);
        type.addSubtype(QObject::tr("NStar"), QStringLiteral("nstar.png"));
        type.addValueSlot(QObject::tr("x"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("y"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("phi"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("spots"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(nstarMaintype, &NStar::create);
    }
    return type;
}

StateNode* NStar::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new NStar(owner, canvas, type.subtype(), id);
}

void NStar::setCommandRoom(int room)
{
    std::unique_lock<std::mutex> hold(commandLock);
    m_command.room = static_cast<std::int8_t>(static_cast<std::uint8_t>(room));
}

NorthStarCommand NStar::command() const
{
    std::unique_lock<std::mutex> hold(commandLock);
    return m_command;
}

void NStar::setOriginToCurrent()
{
    setOrigin(x.load(), y.load(), phi.load());
}

void NStar::setOrigin(double ox, double oy, double ophi)
{
    originX.store(ox);
    originY.store(oy);
    originPhi.store(ophi);
}

void NStar::setParameters(QMap<QString, QString> parameters)
{
    setOrigin(number(parameters, "originX"), number(parameters, "originY"), number(parameters, "originPhi"));
}

QMap<QString, QString> NStar::parameters() const
{
    QMap<QString, QString> result;
    result.insert(QStringLiteral("originX"), QString::number(originX.load(), 'g', 6));
    result.insert(QStringLiteral("originY"), QString::number(originY.load(), 'g', 6));
    result.insert(QStringLiteral("originPhi"), QString::number(originPhi.load(), 'g', 6));
    return result;
}

void NStar::takeReadings()
{
    const NorthStarReadings r = robotLink().northStarReadings();
    m_magnitude0.store(r.magSpot0);
    m_magnitude1.store(r.magSpot1);
    m_timestamp.store(r.timestamp);
    m_spots.store(r.numSpotsVisible);
    m_room.store(r.room);
    x.store(r.posX);
    y.store(r.posY);
    phi.store(r.theta);
}

void NStar::start()
{
    const NorthStarReadings r = robotLink().northStarReadings();
    x.store(r.posX);
    y.store(r.posY);
}

void NStar::readInputs()
{
    takeReadings();
    postDialogRefresh(*this);
}

void NStar::writeOutputs()
{
    const NorthStarFrame::Output out =
        NorthStarFrame::relative({x.load(), y.load(), phi.load()}, {originX.load(), originY.load(), originPhi.load()});
    RobotSlots::output(*this, SlotSpec::Right, 0, out.x);
    RobotSlots::output(*this, SlotSpec::Right, 1, out.y);
    RobotSlots::output(*this, SlotSpec::Right, 2, out.phi);
    RobotSlots::output(*this, SlotSpec::Right, 3, static_cast<float>(m_spots.load()));
    std::unique_lock<std::mutex> hold(commandLock);
    robotLink().setNorthStarCommand(m_command);
}

NodeDialog* NStar::createDialog(QWidget* parent)
{
    return new NStarDialog(parent, this);
}
