#pragma once

#include <QGraphicsRectItem>
#include <QRect>

class QGraphicsScene;

// The red frame around a selected block.
class SelectRect : public QGraphicsRectItem
{
public:
    static constexpr qreal frameZ = 3;

    SelectRect(QGraphicsScene* canvas, const QRect& rect);

    void setRect(const QRect& rect);
    const QRect& nodeRect() const { return m_rect; }
    void moveTo(const QPoint& origin);
    // Canvas rectangle the frame covers.
    QRect canvasRect() const;

private:
    QRect m_rect;
};
