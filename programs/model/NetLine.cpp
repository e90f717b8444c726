#include "NetLine.h"

#include "EditorGeometry.h"
#include "Net.h"
#include "NetDock.h"
#include "NetPoint.h"
#include "Node.h"
#include "StateBase.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QPen>

NetLine::NetLine(StateBase* owner, QGraphicsScene* canvas, Net* net) : m_net(net), m_owner(owner)
{
    setVisible(false);
    if (canvas)
        canvas->addItem(this);
    setZValue(idleZ);
    setFlag(QGraphicsItem::ItemIsSelectable);
}

NetLine::~NetLine()
{
    if (m_owner)
        m_owner->netLineRemoved(this);
}

void NetLine::setStart(NetDock* dock)
{
    m_start = dock;
    if (!dock)
        return;
    const QPoint q = snapToGrid(dock->position(), Node::grid);
    setPos(q);
    setLine(0, 0, 0, 0);
}

void NetLine::setEnd(NetDock* dock)
{
    m_end = dock;
}

QPoint NetLine::startPoint() const
{
    return pos().toPoint();
}

QPoint NetLine::endPoint() const
{
    return (pos() + line().p2()).toPoint();
}

void NetLine::dockMoved(const QPoint& point, NetDock* which)
{
    const QPoint q = snapToGrid(point, Node::grid);
    if (which && which == m_start) {
        const QPoint end = endPoint();
        setPos(q);
        setLine(QLineF(QPointF(0, 0), QPointF(end - q)));
    } else {
        setLine(QLineF(QPointF(0, 0), QPointF(q - startPoint())));
    }
}

void NetLine::replaceDock(NetDock* oldDock, NetDock* newDock)
{
    if (oldDock != m_start) {
        setLine(QLineF(QPointF(0, 0), QPointF(snapToGrid(newDock->position(), Node::grid) - startPoint())));
        m_end = newDock;
    } else {
        const QPoint end = endPoint();
        const QPoint q = snapToGrid(newDock->position(), Node::grid);
        setPos(q);
        setLine(QLineF(QPointF(0, 0), QPointF(end - q)));
        m_start = newDock;
    }
    newDock->addLine(this);
}

NetDock* NetLine::otherEnd(const NetDock* dock) const
{
    if (dock == m_start)
        return m_end;
    if (dock == m_end)
        return m_start;
    return nullptr;
}

QList<NetPoint*> NetLine::endPoints() const
{
    QList<NetPoint*> points;
    for (NetDock* dock : {m_start, m_end}) {
        if (NetPoint* point = dynamic_cast<NetPoint*>(dock))
            points.append(point);
    }
    return points;
}

bool NetLine::isParallel(const NetLine* other) const
{
    // Integer cross product: exact, and only truly parallel directions count.
    const QPoint d1 = startPoint() - endPoint();
    const QPoint d2 = other->startPoint() - other->endPoint();
    return qint64(d1.x()) * d2.y() == qint64(d2.x()) * d1.y();
}

bool NetLine::canConnect(Net* dragged)
{
    if (!dragged)
        return true;
    if (dragged == m_net)
        return deny(tr("Loop."));
    for (Slot* target : dragged->targets()) {
        if (m_net->targets().contains(target))
            return deny(tr("Double connection."));
    }
    for (Slot* source : dragged->sources()) {
        if (m_net->sources().contains(source))
            return deny(tr("Double connection."));
    }
    if (dragged->sourceCount() > 0 && m_net->hasType(NetDock::SlotBit | NetDock::DataBit))
        return deny(tr("Only one output per net."));
    NetDock::showStatus(tr("Nets can be connected."));
    return true;
}

void NetLine::setConnectable(Net* dragged)
{
    m_connectable = dragged ? (canConnect(dragged) ? 1 : 0) : 1;
    update();
}

bool NetLine::deny(const QString& reason)
{
    m_statusText = NetDock::denialText(reason);
    NetDock::showStatus(m_statusText);
    return false;
}

NetPoint* NetLine::split(const QPoint& point)
{
    NetDock* end = m_end;
    if (!end || !m_net)
        return nullptr;
    NetPoint* inserted = new NetPoint(m_owner, scene(), m_net);
    inserted->moveTo(point);
    end->removeLine(this);
    replaceDock(end, inserted);
    NetLine* second = new NetLine(m_owner, scene(), m_net);
    second->setStart(inserted);
    second->setEnd(end);
    second->dockMoved(end->position(), end);
    inserted->addLine(second);
    end->addLine(second);
    m_net->appendLine(second);
    m_net->appendPoint(inserted);
    second->setVisible(true);
    inserted->setVisible(true);
    return inserted;
}

void NetLine::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    QColor colour = Qt::black;
    if (isSelected())
        colour = m_connectable ? Qt::green : Qt::red;
    painter->setPen(QPen(colour, 1));
    painter->drawLine(line());
}
