#include "NodePixmap.h"

#include "Node.h"
#include "ShellServices.h"

#include <QFont>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QPainter>

NodePixmap::NodePixmap(QGraphicsScene* canvas, const QRect& rect, Node* node)
    : m_rect(rect), m_node(node)
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
    const QString text = QString::number(m_node ? m_node->orderIndex() : 0);
    QFont font(applicationFontFamily);
    font.setPointSize(7);
    const QFontMetrics metrics(font);
    const int width = metrics.boundingRect(QRect(0, 0, 25, 25), Qt::AlignCenter, text).width() + 6;

    QPixmap badge(qMax(25, width), 25);
    badge.fill(Qt::transparent);
    QPainter painter(&badge);
    painter.setFont(font);
    const QRect box(0, 0, width, 11);
    painter.fillRect(box, QColor(255, 255, 222));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(QRect(QPoint(3, 1), QPoint(width - 4, 10)), Qt::AlignCenter, text);
    painter.end();
    m_badge = badge.copy(0, 0, width, 11);
}
