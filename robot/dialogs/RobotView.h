#pragma once

#include "MapViewItem.h"

#include <QBrush>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QObject>
#include <QPointF>

class MapView;
class QGraphicsScene;

class RobotView;

// The robot's body on the map: a circle of the robot's diameter about its position.
class RobotViewCircle : public QGraphicsEllipseItem, public MapViewItem
{
public:
    RobotViewCircle(RobotView* robot, int diameter, const QBrush& brush);
    void moveCentreTo(const QPointF& centre);
    QPointF centre() const { return m_centre; }

private:
    int diameter;
    QPointF m_centre;
};

// The robot's heading: a thick line from 15 to 35 units out.
class RobotViewHeading : public QGraphicsLineItem, public MapViewItem
{
public:
    explicit RobotViewHeading(RobotView* robot);
    void setLine(double x, double y, double phi);
    double angle() const { return m_angle; }

private:
    double m_angle = 0.0;
};

// One robot figure on the map; the virtual robot is dragged by its circle and turned by
// its heading line.
class RobotView : public QObject, public MapViewItem
{
    Q_OBJECT

public:
    RobotView(QGraphicsScene* canvas, MapView* view, int z, int diameter, int interactive, const QBrush& brush);

    // Canvas coordinates; phi in degrees.
    void setPose(double x, double y, double phi);
    QPointF position() const { return circle->centre(); }
    double heading() const { return line->angle(); }
    RobotViewCircle* circleItem() const { return circle; }
    RobotViewHeading* headingItem() const { return line; }

    void mouseEvent(int kind, const QPointF& point, MapViewItem* source) override;

Q_SIGNALS:
    void robotMoved(double x, double y, double phi);

private:
    MapView* view;
    RobotViewCircle* circle;
    RobotViewHeading* line;
    QPointF last;
    bool moving = false;
    bool rotating = false;
};
