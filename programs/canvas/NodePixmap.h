#pragma once

#include <QGraphicsItem>
#include <QPixmap>
#include <QRect>

class Node;
class QGraphicsScene;

// The icon of a block with its execution-order badge.
class NodePixmap : public QGraphicsItem
{
public:
    static constexpr qreal idleZ = 2;
    static constexpr qreal selectedZ = 12;

    NodePixmap(QGraphicsScene* canvas, const QRect& rect, Node* node);

    void setRect(const QRect& rect);
    const QRect& nodeRect() const { return m_rect; }
    void setIcon(const QPixmap& icon);
    const QPixmap& icon() const { return m_icon; }
    const QPixmap& badge() const { return m_badge; }
    Node* node() const { return m_node; }
    void showBadge(bool on);
    bool isBadgeShown() const { return m_badgeShown; }
    void moveTo(const QPoint& origin);
    void drawShape(QPainter& painter);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void renderBadge();

    QRect m_rect;
    QPixmap m_icon;
    QPixmap m_badge;
    Node* m_node;
    bool m_badgeShown = true;
};
