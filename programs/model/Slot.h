#pragma once

#include "NetDock.h"
#include "SlotSpec.h"

#include <QGraphicsRectItem>
#include <QList>
#include <QPixmap>

class Datatip;
class ImageSlot;
class Node;
class QGraphicsScene;
class ValueSlot;
class VectorSlot;

// One connection point of a block: an input or an output on one side of its box.
class Slot : public NetDock, public QGraphicsRectItem
{
    Q_DECLARE_TR_FUNCTIONS(Slot)

public:
    enum ConnectState { Idle = 0, Accept = 1, Reject = 2 };
    static constexpr qreal idleZ = 4;
    static constexpr qreal raisedZ = 14;

    Slot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner);
    ~Slot() override;

    QPoint position() const override;
    bool canConnect(Net* net) override;
    virtual void reset() = 0;
    // Pulls an input's value from its net or its default; outputs ignore it.
    virtual void fetch() = 0;
    virtual QString text() const;
    virtual ValueSlot* toValueSlot();
    virtual VectorSlot* toVectorSlot();
    virtual ImageSlot* toImageSlot();
    virtual bool hasTransform() const;

    const SlotSpec& spec() const { return m_spec; }
    bool hasDirection(int mask) const { return (m_spec.direction() & mask) != 0; }
    bool isInput() const { return hasDirection(SlotSpec::Input); }
    Node* owner() const { return m_owner; }
    bool isRaised() const;
    bool isDatatipVisible() const;
    Datatip* datatip() const { return m_datatip; }
    int connectState() const { return m_connectState; }

    void setSubtype(int subtype);
    void setSpec(const SlotSpec& spec);
    void moveTo(const QPoint& nodeOrigin);
    void setConnectState(int state);
    // Selection look of the slot and its lines; the item's own selected flag stays.
    void setSelected(bool on);
    void showDatatip(bool on);
    void updateDatatip();
    void removeLineOf(Net* net);
    void notifyConnectionChanged();

    void sendToConnected(void* data);
    void sendToSources(void* data);
    QList<Node*> connectedNodes() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void setPixmaps(const QString& idle, const QString& accept, const QString& reject);
    // Whether this slot already shares a net with the other slot.
    bool sharesNetWith(const Slot* other) const;
    void repaint();

private:
    SlotSpec m_spec;
    Node* m_owner;
    QPixmap m_idle;
    QPixmap m_accept;
    QPixmap m_reject;
    Datatip* m_datatip;
    int m_connectState = Idle;
};
