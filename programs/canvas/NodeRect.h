#pragma once

#include <QGraphicsRectItem>
#include <QRect>

class Node;
class QGraphicsScene;

// The frame of a block's box.
class NodeRect : public QGraphicsRectItem
{
public:
    static constexpr qreal idleZ = 1;
    static constexpr qreal selectedZ = 11;

    NodeRect(QGraphicsScene* canvas, const QRect& rect, Node* node);

    void setRect(const QRect& rect);
    const QRect& nodeRect() const { return m_rect; }
    Node* node() const { return m_node; }
    void moveTo(const QPoint& origin);

private:
    QRect m_rect;
    Node* m_node;
};
