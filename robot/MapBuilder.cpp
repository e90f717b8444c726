#include "MapBuilder.h"

#include "LogCategories.h"
#include "MapBuilderDialog.h"
#include "NodeFactory.h"
#include "RobotSlots.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned short mapBuilderMaintype = 43;

int integer(const QMap<QString, QString>& parameters, const char* key)
{
    return parameters.value(QLatin1String(key)).toInt();
}

} // namespace

MapBuilder::MapBuilder(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

MapBuilder::~MapBuilder()
{
    deleteDialog(); // its page hands the map view back to the block
}

NodeType MapBuilder::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Position View"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(mapBuilderMaintype);
        type.addSubtype(QObject::tr("Position View"), QStringLiteral("positionview.png"));
        type.addValueSlot(QObject::tr("x actual"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("y actual"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("phi actual"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("extern set"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("x set"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("y set"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("phi set"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("extern x"), SlotSpec::Input, SlotSpec::Top, 0.0f);
        type.addValueSlot(QObject::tr("extern y"), SlotSpec::Input, SlotSpec::Top, 0.0f);
        type.addValueSlot(QObject::tr("extern phi"), SlotSpec::Input, SlotSpec::Top, 0.0f);
        nodeFactories().insert(mapBuilderMaintype, &MapBuilder::create);
    }
    return type;
}

StateNode* MapBuilder::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new MapBuilder(owner, canvas, type.subtype(), id);
}

double MapBuilder::clampedZoom(double percent)
{
    if (!std::isfinite(percent) || percent <= 0.0)
        return 100.0;
    return std::clamp(percent, minimumZoom, maximumZoom);
}

void MapBuilder::setView(int contentsX, int contentsY, double zoom)
{
    m_contentsX = contentsX;
    m_contentsY = contentsY;
    m_zoom = clampedZoom(zoom);
}

void MapBuilder::setParameters(QMap<QString, QString> parameters)
{
    m_backgroundPath = parameters.value(QStringLiteral("background"));
    m_background = m_backgroundPath.isEmpty() ? QPixmap() : QPixmap(m_backgroundPath);
    if (!m_backgroundPath.isEmpty())
        qCDebug(lcRobot) << "background" << m_background.width() << m_background.height();
    m_offsetX = integer(parameters, "backgroundOffsetX");
    m_offsetY = integer(parameters, "backgroundOffsetY");
    m_contentsX = integer(parameters, "contentsX");
    m_contentsY = integer(parameters, "contentsY");
    m_zoom = clampedZoom(parameters.value(QStringLiteral("zoom")).toDouble());
    m_model.setProperties(parameters);
}

QMap<QString, QString> MapBuilder::parameters() const
{
    int x = m_contentsX;
    int y = m_contentsY;
    double zoom = m_zoom;
    if (viewReader)
        viewReader(x, y, zoom);
    QMap<QString, QString> result;
    result.insert(QStringLiteral("background"), m_backgroundPath);
    result.insert(QStringLiteral("backgroundOffsetX"), QString::number(m_offsetX));
    result.insert(QStringLiteral("backgroundOffsetY"), QString::number(m_offsetY));
    result.insert(QStringLiteral("contentsX"), QString::number(x));
    result.insert(QStringLiteral("contentsY"), QString::number(y));
    result.insert(QStringLiteral("zoom"), QString::number(zoom, 'g', 6));
    result.insert(m_model.properties());
    return result;
}

void MapBuilder::readInputs()
{
    const double x = RobotSlots::input(*this, SlotSpec::Left, 0);
    const double y = RobotSlots::input(*this, SlotSpec::Left, 1);
    const double phi = RobotSlots::input(*this, SlotSpec::Left, 2);
    if (RobotSlots::isTrue(*this, SlotSpec::Left, 3))
        m_model.setVirtualRobotPose(RobotSlots::input(*this, SlotSpec::Top, 0),
                                    RobotSlots::input(*this, SlotSpec::Top, 1),
                                    RobotSlots::input(*this, SlotSpec::Top, 2));
    m_model.setRobotPose(x, y, phi);
}

void MapBuilder::writeOutputs()
{
    const KDMapBuilder::Pose pose = m_model.virtualRobotPose();
    RobotSlots::output(*this, SlotSpec::Right, 0, static_cast<float>(pose.x));
    RobotSlots::output(*this, SlotSpec::Right, 1, static_cast<float>(pose.y));
    RobotSlots::output(*this, SlotSpec::Right, 2, static_cast<float>(pose.phi));
}

NodeDialog* MapBuilder::createDialog(QWidget* parent)
{
    return new MapBuilderDialog(parent, this);
}
