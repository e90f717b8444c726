#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPoint>
#include <QRect>

#include <libxml/tree.h>

class NetDock;
class NetLine;
class NetPoint;
class QGraphicsScene;
class Slot;
class StateBase;

// One wire of a program: lines and points joining output slots (sources) to input
// slots (targets) of one data type. Owns its lines and points, not its slots.
class Net
{
    Q_DECLARE_TR_FUNCTIONS(Net)

public:
    Net(QGraphicsScene* canvas, StateBase* owner);
    ~Net();
    Net(const Net&) = delete;
    Net& operator=(const Net&) = delete;

    unsigned id() const { return m_id; }
    void setId(unsigned id) { m_id = id; }
    QGraphicsScene* canvas() const { return m_canvas; }
    StateBase* owner() const { return m_owner; }
    const QList<Slot*>& sources() const { return m_sources; }
    const QList<Slot*>& targets() const { return m_targets; }
    int sourceCount() const { return static_cast<int>(m_sources.size()); }
    int targetCount() const { return static_cast<int>(m_targets.size()); }
    QList<NetLine*> lines() const { return m_lines; }
    QList<NetPoint*> points() const { return m_points; }
    NetLine* currentLine() const { return m_currentLine; }
    int dataType() const;
    bool hasType(int mask) const;

    // Drawing, step by step
    void connectDock(NetDock* dock);
    void addPoint(const QPoint& point);
    bool joinsNodeOf(const Slot* slot) const;
    void notifySlots();

    unsigned takePointNumber() { return m_nextPointNumber++; }
    unsigned nextPointNumber() const { return m_nextPointNumber; }
    NetPoint* pointByNumber(int number) const;
    void renumberPoints();

    void appendLine(NetLine* line);
    void appendPoint(NetPoint* point);
    void takeLine(NetLine* line);
    void removePoint(NetPoint* point);
    void removeTarget(Slot* slot);
    void removeSource(Slot* slot);
    void setModified();
    QRect boundingRect() const;
    void clear();
    // Shows every line and point on the canvas.
    void show();

    // The net element of workspace files, undo snapshots and the clipboard.
    bool save(xmlNode* parent) const;
    static Net* load(QGraphicsScene* canvas, StateBase* owner, xmlNode* element,
                     const QMap<unsigned, unsigned>* nodeIds);

    // Structural editing
    Net* deleteLine(NetLine* line);
    void merge(Net* other, NetPoint* at);
    void removeLine(NetLine* line, NetDock* except);
    void removeDock(NetDock* dock, NetLine* via);
    void moveBranch(NetLine* line, Net* target, NetDock* from);
    // Moves one part that no longer hangs together with the first line into a new net;
    // null when the net hangs together.
    Net* splitOffPart();

private:
    using PendingLine = QPair<NetLine*, NetDock*>;

    NetLine* startLineAt(NetDock* dock);
    void removePendingLines(QList<PendingLine>& pending);
    void detachDock(NetDock* dock, NetLine* via, QList<PendingLine>& pending);
    void addSlotOf(NetDock* dock);
    void detachSlot(Slot* slot);
    bool isTree() const;

    NetLine* m_currentLine = nullptr;
    QGraphicsScene* m_canvas;
    QList<Slot*> m_sources;
    QList<Slot*> m_targets;
    QList<NetLine*> m_lines;
    QList<NetPoint*> m_points;
    StateBase* m_owner;
    unsigned m_id = 0;
    unsigned m_nextPointNumber = 1;
};
