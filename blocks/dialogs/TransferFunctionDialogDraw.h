#pragma once

#include "TransferCurve.h"

#include <QPixmap>
#include <QPolygon>
#include <QWidget>

class TransferFunction;
class TransferFunctionDialog;

// The transfer curve's graph: points to add, remove and drag with the mouse.
class TransferFunctionDialogDraw : public QWidget
{
    Q_OBJECT

public:
    using Point = TransferCurve::Point;

    TransferFunctionDialogDraw(QWidget* parent, TransferFunction* block, TransferFunctionDialog* dialog);

    void setSelected(int position);
    int selectedPoint() const { return selected; }
    void redraw();
    QRect plotArea() const { return plotRect; }
    QPoint toWidget(const Point& p) const;
    Point toValue(const QPoint& px) const;

public Q_SLOTS:
    void removePoint();
    void addPoint();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int pointNear(const QPoint& px) const;
    void paintGraph(QPainter& painter, const TransferCurve& curve) const;
    void selectAndTell(int position);

    TransferFunction* block;
    TransferFunctionDialog* dialog;
    QPixmap pixmap;
    QRect plotRect;
    QPolygon yArrow;
    QPolygon xArrow;
    int selected = 0;
    QPoint clickPos;
    bool dragging = false;
    QPoint pickTolerance {6, 6};
};
