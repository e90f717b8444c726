#pragma once

#include "NetDock.h"

#include <QCoreApplication>
#include <QGraphicsLineItem>
#include <QList>
#include <QString>

class Net;
class NetPoint;
class QGraphicsScene;
class StateBase;

// A straight segment of a net between two docks, on the 6-pixel grid.
class NetLine : public QGraphicsLineItem
{
    Q_DECLARE_TR_FUNCTIONS(NetLine)

public:
    static constexpr qreal idleZ = 5;
    static constexpr qreal raisedZ = 15;

    NetLine(StateBase* owner, QGraphicsScene* canvas, Net* net);
    ~NetLine() override;

    Net* net() const { return m_net; }
    void setNet(Net* net)
    {
        m_net = net;
        NetDock::netsChanged();
    }
    NetDock* start() const { return m_start; }
    NetDock* end() const { return m_end; }
    void setStart(NetDock* dock);
    void setEnd(NetDock* dock);
    // Ends of the line in canvas coordinates.
    QPoint startPoint() const;
    QPoint endPoint() const;
    void dockMoved(const QPoint& point, NetDock* which);
    void replaceDock(NetDock* oldDock, NetDock* newDock);
    NetDock* otherEnd(const NetDock* dock) const;
    QList<NetPoint*> endPoints() const;
    bool isParallel(const NetLine* other) const;

    bool canConnect(Net* dragged);
    void setConnectable(Net* dragged);
    bool isConnectable() const { return m_connectable != 0; }
    const QString& statusText() const { return m_statusText; }

    NetPoint* split(const QPoint& point);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    bool deny(const QString& reason);

    NetDock* m_start = nullptr;
    NetDock* m_end = nullptr;
    QString m_statusText;
    int m_connectable = 1;
    Net* m_net;
    StateBase* m_owner;
};
