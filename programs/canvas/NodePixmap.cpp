#include "NodePixmap.h"

#include "LabelPixmap.h"
#include "Node.h"

#include <QGraphicsScene>
#include <QPainter>

NodePixmap::NodePixmap(QGraphicsScene* canvas, const QRect& rect, Node* node) : m_rect(rect), m_node(node)
{
    setVisible(false);
    if (canvas)
        canvas->addItem(this);
    setZValue(idleZ);
}

void NodePixmap::setRect(const QRect& rect)
{
    prepareGeometryChange();
    m_rect = rect;
}

void NodePixmap::setIcon(const QPixmap& icon)
{
    m_icon = icon;
    update();
}

void NodePixmap::showBadge(bool on)
{
    m_badgeShown = on;
    if (on)
        renderBadge();
    update();
}

void NodePixmap::moveTo(const QPoint& origin)
{
    setPos(origin + m_rect.topLeft());
}

QRectF NodePixmap::boundingRect() const
{
    return QRectF(0, 0, m_rect.width(), m_rect.height());
}

void NodePixmap::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    drawShape(*painter);
}

void NodePixmap::drawShape(QPainter& painter)
{
    painter.drawPixmap(0, 0, m_icon);
    if (m_badgeShown && !m_badge.isNull())
        painter.drawPixmap(2, m_rect.height() / 2 - m_badge.height() / 2, m_badge);
}

void NodePixmap::renderBadge()
{
    m_badge = renderLabelPixmap(QString::number(m_node ? m_node->orderIndex() : 0));
}
