#pragma once

#include "NetDock.h"

#include <QGraphicsEllipseItem>

class QGraphicsScene;
class StateBase;

// A corner (fewer than three lines) or junction (three or more) of a net.
class NetPoint : public QGraphicsEllipseItem, public NetDock
{
    Q_DECLARE_TR_FUNCTIONS(NetPoint)

public:
    static constexpr qreal pointZ = 6;

    NetPoint(StateBase* owner, QGraphicsScene* canvas, Net* net, unsigned number);
    // Takes the net's next point number.
    NetPoint(StateBase* owner, QGraphicsScene* canvas, Net* net);
    ~NetPoint() override;

    Net* net() const { return m_net; }
    void setNet(Net* net) { m_net = net; }
    unsigned number() const { return m_number; }
    void setNumber(unsigned number) { m_number = number; }

    QPoint position() const override;
    bool canConnect(Net* dragged) override;
    void setConnectable(Net* dragged);
    bool isConnectable() const { return m_connectable != 0; }
    void moveTo(const QPoint& point);
    void refresh();
    bool dissolve();

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    int m_connectable = 1;
    Net* m_net;
    unsigned m_number;
    StateBase* m_owner;
};
