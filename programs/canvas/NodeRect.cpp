#include "NodeRect.h"

#include "Node.h"

#include <QBrush>
#include <QGraphicsScene>
#include <QPen>

NodeRect::NodeRect(QGraphicsScene* canvas, const QRect& rect, Node* node) : m_node(node)
{
    setVisible(false);
    if (canvas)
        canvas->addItem(this);
    setZValue(idleZ);
    setPen(QPen(Qt::black, 2, Qt::SolidLine));
    const bool imageCycle = node && node->type()->hasFlags(NodeType::ImageCycle);
    setBrush(QBrush(imageCycle ? QColor(Qt::lightGray) : QColor(Qt::white)));
    setRect(rect);
}

void NodeRect::setRect(const QRect& rect)
{
    m_rect = rect;
    QGraphicsRectItem::setRect(0, 0, rect.width() + 1, rect.height() + 1);
}

void NodeRect::moveTo(const QPoint& origin)
{
    setPos(origin + m_rect.topLeft());
}
