#include "MapView.h"

#include "AngleRules.h"
#include "EmbeddedImages.h"
#include "MapGeometry.h"
#include "RobotView.h"

#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPainter>

MapView::MapView(QWidget* parent) : QGraphicsView(parent), canvas(new QGraphicsScene(this))
{
    canvas->setSceneRect(0, 0, MapGeometry::canvasSize, MapGeometry::canvasSize);
    canvas->setBackgroundBrush(Qt::white);
    setScene(canvas);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    robotFigure = new RobotView(canvas, this, 0, 34, 0, Qt::NoBrush);
    virtualFigure = new RobotView(canvas, this, 2, 30, 3, QBrush(Qt::cyan));
    connect(virtualFigure, &RobotView::robotMoved, this, &MapView::on_robotMoved);
}

MapView::~MapView()
{
    delete robotFigure;
    delete virtualFigure;
}

const QCursor& MapView::rotateCursor() const
{
    static const QCursor cursor = [] {
        QPixmap picture = EmbeddedImages::pixmap(QStringLiteral("rotate.png"));
        if (picture.isNull()) {
            picture = QPixmap(20, 20);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            painter.setPen(QPen(Qt::black, 2));
            painter.drawArc(3, 3, 14, 14, 30 * 16, 300 * 16);
        }
        return QCursor(picture, picture.width() / 2, picture.height() / 2);
    }();
    return cursor;
}

void MapView::setRobotPose(double x, double y, double phi)
{
    const QPoint at = MapGeometry::canvasPoint(x, y);
    robotFigure->setPose(at.x(), at.y(), phi);
    canvas->update();
}

void MapView::setVirtualRobotPose(double x, double y, double phi)
{
    const QPoint at = MapGeometry::canvasPoint(x, y);
    virtualFigure->setPose(at.x(), at.y(), phi);
    canvas->update();
}

void MapView::setZoom(double factor)
{
    const QPointF centre = mapToScene(viewport()->rect().center());
    zoomFactor = factor;
    setTransform(QTransform::fromScale(factor, factor));
    centerOn(centre);
    reportContents();
}

void MapView::setBackground(const QPixmap& picture, int offsetX, int offsetY)
{
    QPixmap background(MapGeometry::canvasSize, MapGeometry::canvasSize);
    background.fill(Qt::white);
    if (!picture.isNull()) {
        QPainter painter(&background);
        painter.drawPixmap(MapGeometry::centre + offsetX, MapGeometry::centre - picture.height() - offsetY, picture);
    }
    canvas->setBackgroundBrush(QBrush(background));
}

QPointF MapView::lowerLeft() const
{
    const QPointF corner = mapToScene(QPoint(0, viewport()->height()));
    return MapGeometry::worldPoint(corner.x(), corner.y());
}

void MapView::reportContents()
{
    const QPointF corner = lowerLeft();
    Q_EMIT contentsMoved(corner.x(), corner.y());
}

void MapView::showEvent(QShowEvent* event)
{
    QGraphicsView::showEvent(event);
    reportContents();
}

// The rulers follow every scroll, by slider, wheel or keys alike.
void MapView::scrollContentsBy(int dx, int dy)
{
    QGraphicsView::scrollContentsBy(dx, dy);
    reportContents();
}

void MapView::on_robotMoved(double x, double y, double phi)
{
    canvas->update();
    const QPointF world = MapGeometry::worldPoint(x, y);
    Q_EMIT virtualRobotMoved(world.x(), world.y(), AngleRules::fullTurn(phi));
}

MapViewItem* MapView::itemAt(const QPointF& point) const
{
    for (QGraphicsItem* item : canvas->items(point, Qt::IntersectsItemShape, Qt::DescendingOrder)) {
        if (auto* mapItem = dynamic_cast<MapViewItem*>(item))
            return mapItem;
    }
    return nullptr;
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF point = mapToScene(event->position().toPoint());
    if (MapViewItem* item = itemAt(point))
        item->mouseEvent(MapViewItem::Press, point, nullptr);
}

void MapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF point = mapToScene(event->position().toPoint());
    if (hover)
        hover->mouseEvent(MapViewItem::Release, point, nullptr);
    if (MapViewItem* item = itemAt(point))
        item->mouseEvent(MapViewItem::Release, point, nullptr);
}

void MapView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF point = mapToScene(event->position().toPoint());
    if (event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier) {
        if (hover)
            hover->mouseEvent(MapViewItem::Move, point, nullptr);
        return;
    }
    MapViewItem* item = itemAt(point);
    if (item != hover) {
        if (hover)
            hover->mouseEvent(MapViewItem::Leave, point, nullptr);
        hover = item;
        if (hover)
            hover->mouseEvent(MapViewItem::Enter, point, nullptr);
    }
    if (hover)
        hover->mouseEvent(MapViewItem::Move, point, nullptr);
}

void MapView::leaveEvent(QEvent* event)
{
    if (hover)
        hover->mouseEvent(MapViewItem::Leave, QPointF(0, 0), nullptr);
    hover = nullptr;
    QGraphicsView::leaveEvent(event);
}
