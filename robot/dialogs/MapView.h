#pragma once

#include <QCursor>
#include <QGraphicsView>
#include <QPixmap>

class MapViewItem;
class RobotView;

// The position map: a 1000 x 1000 canvas with the world origin in its middle, a
// background picture, the robot and the virtual robot the user drags and turns.
class MapView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit MapView(QWidget* parent = nullptr);
    ~MapView() override;

    // World coordinates; phi in degrees.
    void setRobotPose(double x, double y, double phi);
    void setVirtualRobotPose(double x, double y, double phi);
    void setZoom(double factor);
    double zoom() const { return zoomFactor; }
    void setBackground(const QPixmap& picture, int offsetX, int offsetY);
    RobotView* robot() const { return robotFigure; }
    RobotView* virtualRobot() const { return virtualFigure; }
    const QCursor& rotateCursor() const;
    // World coordinates of the visible area's lower-left corner.
    QPointF lowerLeft() const;

Q_SIGNALS:
    void contentsMoved(double x, double y);
    void virtualRobotMoved(double x, double y, double phi);

public Q_SLOTS:
    void on_robotMoved(double x, double y, double phi);

protected:
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    MapViewItem* itemAt(const QPointF& point) const;
    void reportContents();

    QGraphicsScene* canvas;
    double zoomFactor = 1.0;
    RobotView* robotFigure;
    RobotView* virtualFigure;
    MapViewItem* hover = nullptr;
};
