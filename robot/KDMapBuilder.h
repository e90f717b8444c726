#pragma once

#include <QMap>
#include <QObject>
#include <QString>

#include <atomic>

// The position view's model: the robot's pose and the pose of the virtual robot the user
// (or a program) sets. Written by the block on the cycle thread and by the map on the
// GUI thread; each value is stored and read whole.
class KDMapBuilder : public QObject
{
    Q_OBJECT

public:
    struct Pose
    {
        double x = 0.0, y = 0.0, phi = 0.0; // world units; degrees
    };

    explicit KDMapBuilder(QObject* parent = nullptr);

    Pose robotPose() const;
    Pose virtualRobotPose() const;
    QMap<QString, QString> properties() const;
    // Takes the keys that are present as numbers; emits nothing.
    void setProperties(const QMap<QString, QString>& properties);

public Q_SLOTS:
    void setRobotPose(double x, double y, double phi);
    void setVirtualRobotPose(double x, double y, double phi);
    // The map reports the user's changes through this; no signal.
    void on_virtualRobotMoved(double x, double y, double phi);
    void setRobotX(double x);
    void setRobotY(double y);
    void setRobotPhi(double phi);

Q_SIGNALS:
    void robotMoved();
    void virtualRobotMoved();

private:
    std::atomic<double> robotX {0.0};
    std::atomic<double> robotY {0.0};
    std::atomic<double> robotPhi {0.0};
    std::atomic<double> virtualX {0.0};
    std::atomic<double> virtualY {0.0};
    std::atomic<double> virtualPhi {0.0};
};
