#include "VectorViewDialogDraw.h"

#include "VectorView.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

int halfSide(const QSize& size)
{
    return std::min(size.width(), size.height()) / 2;
}

void drawCentred(QPainter& painter, const QPixmap& picture)
{
    if (!picture.isNull())
        painter.drawPixmap(-(picture.width() / 2), -(picture.height() / 2), picture);
}

} // namespace

VectorViewDialogDraw::VectorViewDialogDraw(QWidget* parent, VectorView* block) : QWidget(parent), block(block)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(100, 100);
}

QPoint VectorViewDialogDraw::origin(const QSize& size)
{
    const int c = halfSide(size);
    return QPoint(c, c);
}

QList<QPoint> VectorViewDialogDraw::lineEnds(const QVector<Vector>& values, const QSize& size)
{
    const float radius = float(halfSide(size) - 8);
    float longest = 0.0f;
    for (const Vector& v : values)
        longest = std::max(longest, v.length());
    if (longest < 1.0f)
        longest = 1.0f;
    QList<QPoint> ends;
    const QPoint centre = origin(size);
    for (const Vector& v : values) {
        const float x = v.x() / longest;
        const float y = v.y() / longest;
        ends.append(centre + QPoint(int(x * radius), int(-radius * y)));
    }
    return ends;
}

// The vectors are a copy taken under the block's lock, so the cycle may go on meanwhile.
void VectorViewDialogDraw::redraw()
{
    const QSize area = size();
    const QPoint centre = origin(area);
    const int axis = halfSide(area) - 6;
    buffer = QPixmap(area);
    buffer.fill(palette().color(backgroundRole()));
    QPainter painter(&buffer);
    painter.translate(centre);
    drawCentred(painter, block->backgroundPixmap());
    painter.drawLine(0, 0, axis, 0);
    painter.drawLine(0, 0, 0, -axis);
    painter.setPen(QPen(Qt::red, 5, Qt::SolidLine));
    painter.setBrush(Qt::red);
    for (const QPoint& end : lineEnds(block->values(), area))
        painter.drawLine(QPoint(0, 0), end - centre);
    drawCentred(painter, block->foregroundPixmap());
}

void VectorViewDialogDraw::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const QRect& rect : event->region())
        painter.drawPixmap(rect, buffer, rect);
}

void VectorViewDialogDraw::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    redraw();
}
