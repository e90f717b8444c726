#pragma once

#include <QEvent>
#include <QWidget>

class KDMapBuilder;
class MapView;
class Ruler;

// The position view's page content: the map with a ruler along its top and left edges,
// following the model. The model's signals may come from the engine thread; both poses
// reach the map only through events posted to this widget.
class KDMapBuilderView : public QWidget
{
    Q_OBJECT

public:
    // A pose for the map, posted from any thread.
    class RobotMovedEvent : public QEvent
    {
    public:
        static constexpr QEvent::Type robotType = QEvent::Type(1000);
        RobotMovedEvent(QEvent::Type type, double x, double y, double phi) : QEvent(type), x(x), y(y), phi(phi) { }
        const double x, y, phi;
    };
    static QEvent::Type virtualRobotType();

    KDMapBuilderView(QWidget* parent, KDMapBuilder* model);

    void setZoom(double percent);
    double zoom() const { return zoomPercent; }
    void setBackground(const QPixmap& picture, int offsetX, int offsetY);
    int contentsX() const;
    int contentsY() const;
    void setContentsPos(int x, int y);
    MapView* map() const { return mapView; }
    Ruler* horizontalRuler() const { return top; }
    Ruler* verticalRuler() const { return left; }

public Q_SLOTS:
    void on_robotMoved();
    void on_virtualRobotMoved();
    void on_contentsMoved(double x, double y);

protected:
    void customEvent(QEvent* event) override;

private:
    KDMapBuilder* model;
    MapView* mapView;
    Ruler* top;
    Ruler* left;
    double zoomPercent = 1.0;
};
