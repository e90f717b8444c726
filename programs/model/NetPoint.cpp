#include "NetPoint.h"

#include "EditorGeometry.h"
#include "Net.h"
#include "NetLine.h"
#include "Node.h"
#include "StateBase.h"

#include <QBrush>
#include <QGraphicsScene>
#include <QPainter>
#include <QPen>

NetPoint::NetPoint(StateBase* owner, QGraphicsScene* canvas, Net* net, unsigned number)
    : QGraphicsEllipseItem(-4.5, -4.5, 9, 9), NetDock(NetPointBit), m_net(net), m_number(number), m_owner(owner)
{
    setVisible(false);
    if (canvas)
        canvas->addItem(this);
    setZValue(pointZ);
    setFlag(QGraphicsItem::ItemIsSelectable);
}

NetPoint::NetPoint(StateBase* owner, QGraphicsScene* canvas, Net* net)
    : NetPoint(owner, canvas, net, net->takePointNumber())
{
}

NetPoint::~NetPoint()
{
    if (m_owner)
        m_owner->netPointRemoved(this);
}

QPoint NetPoint::position() const
{
    return pos().toPoint();
}

bool NetPoint::canConnect(Net* dragged)
{
    if (!dragged)
        return true;
    if (dragged == m_net)
        return deny(tr("Loop."));
    if (dragged->dataType() != m_net->dataType())
        return deny(tr("Incompatible datatypes."));
    if (dragged->sourceCount() > 0 && m_net->hasType(SlotBit | DataBit))
        return deny(tr("Only one output per net."));
    if (m_net->hasType(SlotBit | TransitionBit)) {
        for (Slot* target : dragged->targets()) {
            if (m_net->targets().contains(target))
                return deny(tr("The new net connects to slots already connected to this netpoint."));
        }
        for (Slot* source : dragged->sources()) {
            if (m_net->sources().contains(source))
                return deny(tr("The new net connects to slots already connected to this netpoint."));
        }
    }
    showStatus(tr("Netpoint and net can be connected."));
    return true;
}

void NetPoint::setConnectable(Net* dragged)
{
    m_connectable = dragged ? (canConnect(dragged) ? 1 : 0) : 1;
    update();
}

void NetPoint::moveTo(const QPoint& point)
{
    const QPoint q = snapToGrid(point, Node::grid);
    if (q != position()) {
        setPos(q);
        const QList<NetLine*> attached = lines();
        for (NetLine* line : attached)
            line->dockMoved(q, this);
    }
    if (m_net)
        m_net->setModified();
}

void NetPoint::refresh()
{
    update();
}

bool NetPoint::dissolve()
{
    if (lines().size() == 2) {
        NetLine* first = lines().at(0);
        NetLine* second = lines().at(1);
        NetDock* far = first->otherEnd(this);
        if (!far)
            return false;
        second->replaceDock(this, far);
        far->removeLine(first);
        m_net->takeLine(first);
        delete first;
        m_net->removePoint(this);
        return true;
    }
    m_net->removeDock(this, nullptr);
    return true;
}

void NetPoint::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    QColor fill = lines().size() < 3 ? Qt::white : Qt::black;
    if (isSelected())
        fill = m_connectable ? Qt::green : Qt::red;
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(fill);
    painter->drawEllipse(rect());
}
