#include "KDMapBuilder.h"

KDMapBuilder::KDMapBuilder(QObject* parent) : QObject(parent)
{
}

KDMapBuilder::Pose KDMapBuilder::robotPose() const
{
    return {robotX.load(), robotY.load(), robotPhi.load()};
}

KDMapBuilder::Pose KDMapBuilder::virtualRobotPose() const
{
    return {virtualX.load(), virtualY.load(), virtualPhi.load()};
}

QMap<QString, QString> KDMapBuilder::properties() const
{
    const Pose robot = robotPose();
    const Pose virtualRobot = virtualRobotPose();
    const auto text = [](double v) { return QString::number(v, 'g', 6); };
    return {{QStringLiteral("KDMapBuilder_robotX"), text(robot.x)},
            {QStringLiteral("KDMapBuilder_robotY"), text(robot.y)},
            {QStringLiteral("KDMapBuilder_robotPhi"), text(robot.phi)},
            {QStringLiteral("KDMapBuilder_virtualRobotX"), text(virtualRobot.x)},
            {QStringLiteral("KDMapBuilder_virtualRobotY"), text(virtualRobot.y)},
            {QStringLiteral("KDMapBuilder_virtualRobotPhi"), text(virtualRobot.phi)}};
}

void KDMapBuilder::setProperties(const QMap<QString, QString>& properties)
{
    const std::pair<const char*, std::atomic<double>*> keys[] = {
        {"KDMapBuilder_robotX", &robotX},          {"KDMapBuilder_robotY", &robotY},
        {"KDMapBuilder_robotPhi", &robotPhi},      {"KDMapBuilder_virtualRobotX", &virtualX},
        {"KDMapBuilder_virtualRobotY", &virtualY}, {"KDMapBuilder_virtualRobotPhi", &virtualPhi},
    };
    for (const auto& [key, value] : keys) {
        const auto found = properties.find(QLatin1String(key));
        if (found == properties.end())
            continue;
        bool ok = false;
        const double number = found->toDouble(&ok);
        if (ok)
            value->store(number);
    }
}

void KDMapBuilder::setRobotPose(double x, double y, double phi)
{
    robotX.store(x);
    robotY.store(y);
    robotPhi.store(phi);
    Q_EMIT robotMoved();
}

void KDMapBuilder::setVirtualRobotPose(double x, double y, double phi)
{
    on_virtualRobotMoved(x, y, phi);
    Q_EMIT virtualRobotMoved();
}

void KDMapBuilder::on_virtualRobotMoved(double x, double y, double phi)
{
    virtualX.store(x);
    virtualY.store(y);
    virtualPhi.store(phi);
}

void KDMapBuilder::setRobotX(double x)
{
    robotX.store(x);
    Q_EMIT robotMoved();
}

void KDMapBuilder::setRobotY(double y)
{
    robotY.store(y);
    Q_EMIT robotMoved();
}

void KDMapBuilder::setRobotPhi(double phi)
{
    robotPhi.store(phi);
    Q_EMIT robotMoved();
}
