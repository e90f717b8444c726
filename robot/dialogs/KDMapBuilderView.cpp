#include "KDMapBuilderView.h"

#include "KDMapBuilder.h"
#include "MapView.h"
#include "Ruler.h"
#include "ThreadHandOver.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QScrollBar>

QEvent::Type KDMapBuilderView::virtualRobotType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

KDMapBuilderView::KDMapBuilderView(QWidget* parent, KDMapBuilder* model)
    : QWidget(parent)
    , model(model)
    , mapView(new MapView(this))
    , top(new Ruler(Ruler::Horizontal, this))
    , left(new Ruler(Ruler::Vertical, this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(top, 0, 1);
    grid->addWidget(left, 1, 0);
    grid->addWidget(mapView, 1, 1);
    const KDMapBuilder::Pose robot = model->robotPose();
    const KDMapBuilder::Pose virtualRobot = model->virtualRobotPose();
    mapView->setRobotPose(robot.x, robot.y, robot.phi);
    mapView->setVirtualRobotPose(virtualRobot.x, virtualRobot.y, virtualRobot.phi);
    connect(mapView, &MapView::virtualRobotMoved, model, &KDMapBuilder::on_virtualRobotMoved);
    // Direct: the slots only post, whatever thread the model speaks on.
    connect(model, &KDMapBuilder::robotMoved, this, &KDMapBuilderView::on_robotMoved, Qt::DirectConnection);
    connect(model, &KDMapBuilder::virtualRobotMoved, this, &KDMapBuilderView::on_virtualRobotMoved,
            Qt::DirectConnection);
    connect(mapView, &MapView::contentsMoved, this, &KDMapBuilderView::on_contentsMoved);
}

void KDMapBuilderView::setZoom(double percent)
{
    zoomPercent = percent;
    top->setZoom(percent / 100.0);
    left->setZoom(percent / 100.0);
    mapView->setZoom(percent / 100.0);
}

void KDMapBuilderView::setBackground(const QPixmap& picture, int offsetX, int offsetY)
{
    mapView->setBackground(picture, offsetX, offsetY);
}

int KDMapBuilderView::contentsX() const
{
    return mapView->horizontalScrollBar()->value();
}

int KDMapBuilderView::contentsY() const
{
    return mapView->verticalScrollBar()->value();
}

void KDMapBuilderView::setContentsPos(int x, int y)
{
    mapView->horizontalScrollBar()->setValue(x);
    mapView->verticalScrollBar()->setValue(y);
}

void KDMapBuilderView::on_robotMoved()
{
    const KDMapBuilder::Pose pose = model->robotPose();
    postHandOver(this, new RobotMovedEvent(RobotMovedEvent::robotType, pose.x, pose.y, pose.phi));
}

void KDMapBuilderView::on_virtualRobotMoved()
{
    const KDMapBuilder::Pose pose = model->virtualRobotPose();
    postHandOver(this, new RobotMovedEvent(virtualRobotType(), pose.x, pose.y, pose.phi));
}

void KDMapBuilderView::customEvent(QEvent* event)
{
    receiveHandOver(event);
    if (event->type() == RobotMovedEvent::robotType) {
        const auto* moved = static_cast<RobotMovedEvent*>(event);
        mapView->setRobotPose(moved->x, moved->y, moved->phi);
    } else if (event->type() == virtualRobotType()) {
        const auto* moved = static_cast<RobotMovedEvent*>(event);
        mapView->setVirtualRobotPose(moved->x, moved->y, moved->phi);
    }
}

void KDMapBuilderView::on_contentsMoved(double x, double y)
{
    top->setStart(x, 0);
    left->setStart(y, mapView->horizontalScrollBar()->isVisible() ? mapView->horizontalScrollBar()->height() : 0);
}
