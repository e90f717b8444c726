#include "Slot.h"

#include "Datatip.h"
#include "EmbeddedImages.h"
#include "Net.h"
#include "NetLine.h"
#include "Node.h"

#include <QBrush>
#include <QGraphicsScene>
#include <QPainter>
#include <QPen>

Slot::Slot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner)
    : NetDock(spec.kind()), m_spec(spec), m_owner(owner)
{
    setVisible(false);
    if (canvas)
        canvas->addItem(this);
    setZValue(idleZ);
    setRect(0, 0, spec.rect().width(), spec.rect().height());
    setBrush(QBrush(QColor(0, 147, 221)));
    setPen(Qt::NoPen);
    m_datatip = new Datatip(canvas, this);
}

Slot::~Slot()
{
    delete m_datatip;
}

QPoint Slot::position() const
{
    return pos().toPoint() + m_spec.dockOffset();
}

bool Slot::canConnect(Net* net)
{
    if (net->dataType() != kind())
        return deny(tr("Incompatible datatypes."));
    showStatus(tr("Slot and net can be connected."));
    return true;
}

QString Slot::text() const
{
    return m_spec.name();
}

ValueSlot* Slot::toValueSlot()
{
    return nullptr;
}

VectorSlot* Slot::toVectorSlot()
{
    return nullptr;
}

ImageSlot* Slot::toImageSlot()
{
    return nullptr;
}

bool Slot::hasTransform() const
{
    return false;
}

bool Slot::isRaised() const
{
    return zValue() == raisedZ;
}

bool Slot::isDatatipVisible() const
{
    return m_datatip->isVisible();
}

void Slot::setSubtype(int subtype)
{
    m_spec.setSubtype(subtype);
}

void Slot::setSpec(const SlotSpec& spec)
{
    m_spec = spec;
    setRect(0, 0, spec.rect().width(), spec.rect().height());
}

void Slot::moveTo(const QPoint& nodeOrigin)
{
    setPos(nodeOrigin + m_spec.rect().topLeft());
    const QPoint itemPosition = pos().toPoint();
    for (NetLine* line : lines())
        line->dockMoved(itemPosition + m_spec.dockOffset(), this);
    m_datatip->setAnchor(itemPosition + m_spec.tipOffset());
}

void Slot::setConnectState(int state)
{
    if (state == m_connectState)
        return;
    m_connectState = state;
    repaint();
}

void Slot::setSelected(bool on)
{
    setZValue(on ? raisedZ : idleZ);
    for (NetLine* line : lines())
        line->setZValue(on ? NetLine::raisedZ : NetLine::idleZ);
}

void Slot::showDatatip(bool on)
{
    if (on)
        m_datatip->showValue();
    else
        m_datatip->hide();
}

void Slot::updateDatatip()
{
    m_datatip->updateText();
}

void Slot::removeLineOf(Net* net)
{
    for (NetLine* line : lines()) {
        if (line->net() == net) {
            removeLine(line);
            return;
        }
    }
}

void Slot::notifyConnectionChanged()
{
    if (m_owner)
        m_owner->connectionChanged(this);
}

void Slot::sendToConnected(void* data)
{
    const QList<NetLine*> attached = lines();
    for (NetLine* line : attached) {
        const QList<Slot*> targets = line->net()->targets();
        for (Slot* target : targets)
            target->owner()->receive(data, target, this);
    }
}

void Slot::sendToSources(void* data)
{
    const QList<NetLine*> attached = lines();
    for (NetLine* line : attached) {
        const QList<Slot*> sources = line->net()->sources();
        for (Slot* source : sources)
            source->owner()->receive(data, source, this);
    }
}

QList<Node*> Slot::connectedNodes() const
{
    QList<Node*> nodes;
    auto addOwner = [&](const Slot* slot) {
        Node* node = slot->owner();
        if (node != m_owner && !nodes.contains(node))
            nodes.append(node);
    };
    for (NetLine* line : lines()) {
        for (const Slot* target : line->net()->targets())
            addOwner(target);
        for (const Slot* source : line->net()->sources())
            addOwner(source);
    }
    return nodes;
}

void Slot::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    switch (m_connectState) {
    case Idle: painter->drawPixmap(0, 0, m_idle); break;
    case Accept: painter->drawPixmap(0, 0, m_accept); break;
    case Reject: painter->drawPixmap(0, 0, m_reject); break;
    default: break;
    }
    if (hasTransform()) {
        const QPoint corners[3] = {QPoint(0, 0), QPoint(5, 0), QPoint(0, 5)};
        painter->setPen(Qt::NoPen);
        painter->setBrush(Qt::darkMagenta);
        painter->drawPolygon(corners, 3);
    }
}

void Slot::setPixmaps(const QString& idle, const QString& accept, const QString& reject)
{
    m_idle = EmbeddedImages::pixmap(idle);
    m_accept = EmbeddedImages::pixmap(accept);
    m_reject = EmbeddedImages::pixmap(reject);
}

bool Slot::sharesNetWith(const Slot* other) const
{
    for (NetLine* line : lines()) {
        const Net* net = line->net();
        Slot* slot = const_cast<Slot*>(other);
        if (net->targets().contains(slot) || net->sources().contains(slot))
            return true;
    }
    return false;
}

void Slot::repaint()
{
    update();
}
