#pragma once

#include <QPixmap>
#include <QWidget>

// A ruler along the top (horizontal) or the left (vertical) edge of the position map,
// with a labelled tick every 50 pixels in world units.
class Ruler : public QWidget
{
    Q_OBJECT

public:
    enum Orientation { Horizontal = 0, Vertical = 1 };
    static constexpr int thickness = 16;

    Ruler(Orientation orientation, QWidget* parent = nullptr);

    double start() const { return m_start; }
    double zoom() const { return m_zoom; }

public Q_SLOTS:
    void setZoom(double zoom);
    void setStart(double start, int offset);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();

    Orientation orientation;
    double m_start = 0.0;
    double m_zoom = 1.0;
    int offset = 0;
    QPixmap picture;
};
