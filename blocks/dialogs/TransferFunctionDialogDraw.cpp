#include "TransferFunctionDialogDraw.h"

#include "TransferFunction.h"
#include "TransferFunctionDialog.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

// A zero-wide range would divide by zero; the graph then spans one unit.
double span(int low, int high)
{
    return high != low ? double(high) - double(low) : 1.0;
}

} // namespace

TransferFunctionDialogDraw::TransferFunctionDialogDraw(QWidget* parent, TransferFunction* block,
                                                       TransferFunctionDialog* dialog)
    : QWidget(parent)
    , block(block)
    , dialog(dialog)
    , yArrow(QVector<QPoint> {{-3, 0}, {0, -6}, {3, 0}})
    , xArrow(QVector<QPoint> {{0, -3}, {6, 0}, {0, 3}})
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 100);
    setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding));
}

QPoint TransferFunctionDialogDraw::toWidget(const Point& p) const
{
    const TransferCurve curve = block->curve();
    const double w = plotRect.width();
    const double h = plotRect.height();
    const double px = std::trunc((p.x - curve.xmin()) / span(curve.xmin(), curve.xmax()) * w) + plotRect.left();
    const double py = std::trunc(h - (p.y - curve.ymin()) / span(curve.ymin(), curve.ymax()) * h) + plotRect.top();
    return QPoint(int(px), int(py));
}

TransferFunctionDialogDraw::Point TransferFunctionDialogDraw::toValue(const QPoint& px) const
{
    const TransferCurve curve = block->curve();
    const double w = plotRect.width();
    const double h = plotRect.height();
    Point p;
    p.x = float(span(curve.xmin(), curve.xmax()) * (px.x() - plotRect.left()) / w + curve.xmin());
    p.y = float((plotRect.bottom() - px.y() + 1) * span(curve.ymin(), curve.ymax()) / h + curve.ymin());
    return p;
}

void TransferFunctionDialogDraw::redraw()
{
    plotRect = QRect(QPoint(10, 10), QPoint(width() - 11, height() - 11));
    pixmap = QPixmap(size());
    pixmap.fill(palette().color(backgroundRole()));
    QPainter painter(&pixmap);
    paintGraph(painter, block->curve());
    painter.end();
    update();
}

void TransferFunctionDialogDraw::paintGraph(QPainter& painter, const TransferCurve& curve) const
{
    painter.setPen(palette().color(foregroundRole()));
    painter.setBrush(Qt::black);
    const QPoint origin(plotRect.left(), plotRect.bottom());
    painter.drawLine(origin, QPoint(plotRect.right() + 1, plotRect.bottom()));
    painter.drawPolygon(xArrow.translated(plotRect.right() + 1, plotRect.bottom()));
    painter.drawLine(origin, QPoint(plotRect.left(), plotRect.top() - 1));
    painter.drawPolygon(yArrow.translated(plotRect.left(), plotRect.top() - 1));
    const QList<Point>& points = curve.points();
    if (points.isEmpty())
        return;
    QPoint previous(plotRect.left(), toWidget(points.first()).y());
    for (int i = 0; i < points.size(); ++i) {
        const QPoint at = toWidget(points.at(i));
        painter.setPen(Qt::NoPen);
        painter.setBrush(i == selected ? Qt::green : Qt::red);
        painter.drawEllipse(QRect(at.x() - 4, at.y() - 4, 8, 8));
        painter.setPen(Qt::black);
        painter.drawLine(previous, at);
        previous = at;
    }
    painter.drawLine(previous, QPoint(plotRect.right(), previous.y()));
}

void TransferFunctionDialogDraw::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const QRect& rect : event->region())
        painter.drawPixmap(rect, pixmap, rect);
}

void TransferFunctionDialogDraw::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    redraw();
}

void TransferFunctionDialogDraw::setSelected(int position)
{
    selected = position;
    redraw();
}

int TransferFunctionDialogDraw::pointNear(const QPoint& px) const
{
    return block->findPoint(toValue(px), toValue(px + pickTolerance));
}

void TransferFunctionDialogDraw::selectAndTell(int position)
{
    selected = position;
    redraw();
    dialog->pointSelected(selected);
}

void TransferFunctionDialogDraw::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const int found = pointNear(at);
        if (found == TransferCurve::noPoint)
            return;
        selectAndTell(found);
        dragging = true;
    } else if (event->button() == Qt::RightButton) {
        selected = pointNear(at);
        QMenu menu(this);
        if (selected != TransferCurve::noPoint) {
            redraw();
            menu.addAction(tr("Remove"), this, &TransferFunctionDialogDraw::removePoint);
        } else {
            clickPos = at;
            menu.addAction(tr("Add"), this, &TransferFunctionDialogDraw::addPoint);
        }
        menu.addAction(tr("Cancel"));
        menu.exec(mapToGlobal(at));
    }
}

void TransferFunctionDialogDraw::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging || selected == TransferCurve::noPoint)
        return;
    block->movePoint(selected, toValue(event->position().toPoint()), false);
    redraw();
    dialog->pointSelected(selected);
    dialog->setNodeModified();
}

void TransferFunctionDialogDraw::mouseReleaseEvent(QMouseEvent*)
{
    dragging = false;
}

void TransferFunctionDialogDraw::removePoint()
{
    if (!block->removePoint(selected))
        return;
    dialog->setNodeModified();
    selectAndTell(0);
}

void TransferFunctionDialogDraw::addPoint()
{
    const Point p = toValue(clickPos);
    block->addPoint(p);
    dialog->setNodeModified();
    selectAndTell(block->findPoint(p, toValue(clickPos + pickTolerance)));
}
