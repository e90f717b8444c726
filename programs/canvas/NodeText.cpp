#include "NodeText.h"

#include "Node.h"
#include "ShellServices.h"

#include <QFont>
#include <QGraphicsScene>

NodeText::NodeText(QGraphicsScene* canvas, Node* node) : m_node(node)
{
    setVisible(false);
    if (canvas)
        canvas->addItem(this);
    QFont font(applicationFontFamily);
    font.setPointSize(8);
    setFont(font);
    setText(node->type()->name());
}

void NodeText::moveTo(const QPoint& origin)
{
    setPos(origin + m_node->type()->textRect().topLeft());
}
