#pragma once

#include "NodeType.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

#include <libxml/tree.h>

#include <atomic>
#include <mutex>
#include <vector>

class NetLine;
class NodePixmap;
class NodeRect;
class NodeText;
class QGraphicsScene;
class QTimer;
class SelectRect;
class Slot;
class StateBase;

// Base of every element on a program canvas: function blocks and chart elements.
// Owns its descriptor copy, its slots and its canvas items, and defines the cycle
// operations the engine calls through the wrappers below.
class Node : public QObject
{
    Q_OBJECT

public:
    static constexpr int grid = 6;
    // Far beyond what any block offers; keeps a damaged file from creating millions.
    static constexpr unsigned maxSlotsPerSide = 100;

    Node(QGraphicsScene* canvas, unsigned id, const NodeType& type, StateBase* owner);
    ~Node() override;

    static NodeType baseType();

    virtual void setParameters(QMap<QString, QString> parameters);
    virtual QMap<QString, QString> parameters() const;
    virtual bool saveXml(xmlNode* parent) = 0;
    virtual void connectionChanged(Slot* slot);
    virtual void receive(void* data, Slot* target, Slot* source);
    virtual void start();
    // Also runs on the cycle thread (a program that ends by its exit number), with the
    // program's step lock held: it must never wait for the GUI thread.
    virtual void stop();
    virtual void reset();
    virtual void readInputs();
    virtual void writeOutputs();
    // 0 goes on; n > 0 ends the program through exit n.
    virtual int step();

    unsigned id() const { return m_id; }
    void setId(unsigned id) { m_id = id; }
    NodeType* type() { return &m_type; }
    const NodeType* type() const { return &m_type; }
    StateBase* owner() const { return m_owner; }
    QGraphicsScene* canvas() const { return m_canvas; }
    QPoint position() const { return m_position; }
    QRect rect() const;
    unsigned orderIndex() const { return m_orderIndex; }
    void setOrderIndex(unsigned index) { m_orderIndex = index; }
    bool isActive() const { return m_active.load(); }
    bool isRunning() const { return m_running.load(); }
    std::mutex& mutex() { return m_mutex; }
    const QList<QPixmap>& icons() const { return m_icons; }

    // Engine wrappers
    void activate();
    void deactivate();
    void updateActivationAndRead();
    int stepIfRunning();
    void writeIfRunning();
    void resetAll();

    // Editing and display
    void setName(const QString& name);
    void setActive(bool on);
    void setIcon(const QPixmap& icon);
    void showFirstIcon();
    void setSubtype(int subtype);
    void setModified();
    void move(const QPoint& point);
    void show();
    void setSelected(bool on);
    bool isSelected() const;
    void startAttention();
    void showDatatips(bool on);
    void updateDatatips();
    void showOrderBadge(bool on);
    bool precedes(const Node* other) const;
    QList<NetLine*> attachedLines() const;
    NodePixmap* iconItem() const { return m_iconItem; }

    // Slots
    Slot* slot(int side, int index) const
    {
        if (!isValidSide(side) || index < 0)
            return nullptr;
        const std::vector<Slot*>& bySide = m_slotsByIndex[side - 1];
        return static_cast<std::size_t>(index) < bySide.size() ? bySide[static_cast<std::size_t>(index)] : nullptr;
    }
    Slot* slotAt(unsigned n) const;
    const QList<Slot*>& slotList() const { return m_slotList; }
    bool addSlot(int side);
    bool removeLastSlot(int side);
    unsigned setSlotCount(int side, unsigned n);
    void relayout();

private Q_SLOTS:
    void attentionTimerTimeout();

private:
    static bool isValidSide(int side) { return side >= 1 && side <= 4; }
    void createSlots();
    Slot* appendSlot(const SlotSpec& spec);
    void createItems();
    void showSubtypeIcon();
    QPoint origin() const { return m_position - m_type.iconCentre(); }
    void placeItems();
    void pushOffBorderLines();
    // Runs the change of a side's slots under the step lock and the node's lock.
    bool changeSlots(int side, bool (Node::*change)(int));
    bool addSlotLocked(int side);
    bool removeLastSlotLocked(int side);
    void updateCanvas();

    QList<QPixmap> m_icons;
    std::mutex m_mutex;
    std::atomic<bool> m_running {false};
    std::atomic<bool> m_active {true};
    NodeType m_type;
    unsigned m_id;
    QMap<int, Slot*> m_slotMaps[4];
    // The same slots by index (null where none), for the lookups of every cycle.
    std::vector<Slot*> m_slotsByIndex[4];
    QList<Slot*> m_slotList;
    NodeRect* m_frame = nullptr;
    SelectRect* m_selection = nullptr;
    NodePixmap* m_iconItem = nullptr;
    NodeText* m_caption = nullptr;
    QGraphicsScene* m_canvas;
    QPoint m_position;
    StateBase* m_owner;
    unsigned m_orderIndex = 0;
    QTimer* m_attentionTimer;
    int m_attentionCount = 0;
};
