#include "RobotView.h"

#include "MapGeometry.h"
#include "MapView.h"

#include <QGraphicsScene>
#include <QPen>

RobotViewCircle::RobotViewCircle(RobotView* robot, int diameter, const QBrush& brush)
    : QGraphicsEllipseItem(0, 0, diameter, diameter), MapViewItem(robot), diameter(diameter)
{
    setPen(QPen(Qt::black));
    setBrush(brush);
}

void RobotViewCircle::moveCentreTo(const QPointF& centre)
{
    m_centre = centre;
    setPos(static_cast<int>(centre.x() - diameter / 2), static_cast<int>(centre.y() - diameter / 2));
}

RobotViewHeading::RobotViewHeading(RobotView* robot) : MapViewItem(robot)
{
    setPen(QPen(Qt::black, 3));
}

void RobotViewHeading::setLine(double x, double y, double phi)
{
    QGraphicsLineItem::setLine(QLineF(MapGeometry::headingLine(x, y, phi)));
    m_angle = phi;
}

RobotView::RobotView(QGraphicsScene* canvas, MapView* view, int z, int diameter, int interactive, const QBrush& brush)
    : MapViewItem(nullptr, interactive), view(view)
{
    circle = new RobotViewCircle(this, diameter, brush);
    line = new RobotViewHeading(this);
    circle->setZValue(z + 1);
    line->setZValue(z);
    canvas->addItem(line);
    canvas->addItem(circle);
}

void RobotView::setPose(double x, double y, double phi)
{
    circle->moveCentreTo(QPointF(x, y));
    line->setLine(x, y, phi);
    Q_EMIT robotMoved(x, y, phi);
}

void RobotView::mouseEvent(int kind, const QPointF& point, MapViewItem* source)
{
    const bool onCircle = source == circle;
    if (!onCircle && source != line)
        return;
    switch (kind) {
    case Enter: view->viewport()->setCursor(onCircle ? QCursor(Qt::SizeAllCursor) : view->rotateCursor()); break;
    case Leave: view->viewport()->setCursor(Qt::ArrowCursor); break;
    case Press:
        (onCircle ? moving : rotating) = true;
        last = point;
        break;
    case Release: (onCircle ? moving : rotating) = false; break;
    case Move:
        if (onCircle && moving)
            setPose(circle->centre().x() + point.x() - last.x(), circle->centre().y() + point.y() - last.y(),
                    line->angle());
        else if (!onCircle && rotating)
            setPose(circle->centre().x(), circle->centre().y(), line->angle() + (last.y() - point.y()));
        last = point;
        break;
    default: break;
    }
}
