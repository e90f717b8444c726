#include "Ruler.h"

#include "MapGeometry.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTransform>

Ruler::Ruler(Orientation orientation, QWidget* parent) : QWidget(parent), orientation(orientation)
{
    if (orientation == Horizontal) {
        setFixedHeight(thickness);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    } else {
        setFixedWidth(thickness);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
}

void Ruler::setZoom(double zoom)
{
    m_zoom = zoom;
    redraw();
}

void Ruler::setStart(double start, int newOffset)
{
    if (start == m_start)
        return;
    m_start = start;
    offset = newOffset;
    redraw();
}

void Ruler::redraw()
{
    const QSize size = orientation == Horizontal ? this->size() : this->size().transposed();
    if (size.isEmpty())
        return;
    QPixmap strip(size);
    strip.fill(palette().color(backgroundRole()));
    QPainter painter(&strip);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(6);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    const int h = size.height();
    for (const MapGeometry::Tick& tick : MapGeometry::rulerTicks(m_start, m_zoom, offset, size.width())) {
        painter.drawLine(tick.pixel, h - 1, tick.pixel, h - 8);
        const QRect box(tick.pixel - 20, h - 13 - 6, 40, 12);
        painter.drawText(box, Qt::AlignCenter, tick.label);
    }
    painter.end();
    // A vertical ruler counts upward from its bottom pixel.
    picture = orientation == Horizontal ? strip : strip.transformed(QTransform().rotate(-90));
    update();
}

void Ruler::resizeEvent(QResizeEvent*)
{
    redraw();
}

void Ruler::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const QRect& rect : event->region())
        painter.drawPixmap(rect, picture, rect);
}
