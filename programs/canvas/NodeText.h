#pragma once

#include <QGraphicsSimpleTextItem>

class Node;
class QGraphicsScene;

// The caption under a block's box: the block's name.
class NodeText : public QGraphicsSimpleTextItem
{
public:
    NodeText(QGraphicsScene* canvas, Node* node);

    Node* node() const { return m_node; }
    void moveTo(const QPoint& origin);

private:
    Node* m_node;
};
