#include "SelectRect.h"

#include <QBrush>
#include <QGraphicsScene>
#include <QPen>

SelectRect::SelectRect(QGraphicsScene* canvas, const QRect& rect)
{
    setVisible(false);
    if (canvas)
        canvas->addItem(this);
    setZValue(frameZ);
    setPen(QPen(Qt::red, 2, Qt::SolidLine));
    setBrush(Qt::NoBrush);
    setRect(rect);
}

void SelectRect::setRect(const QRect& rect)
{
    m_rect = rect;
    QGraphicsRectItem::setRect(0, 0, rect.width() + 1, rect.height() + 1);
}

void SelectRect::moveTo(const QPoint& origin)
{
    setPos(origin + m_rect.topLeft());
}

QRect SelectRect::canvasRect() const
{
    return QRect(pos().toPoint(), QSize(m_rect.width() + 1, m_rect.height() + 1));
}
