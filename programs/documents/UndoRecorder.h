#pragma once

#include <QPoint>

class Net;
class NetPoint;
class Node;
class QGraphicsItem;
class StateBase;

// What a document records its edits into: the undo stack of the editor folder, which
// builds on the documents and so is reached through this interface.
class UndoRecorder
{
public:
    virtual ~UndoRecorder() = default;

    virtual void beginGroup() = 0;
    virtual void endGroup() = 0;
    virtual bool isUndoEmpty() const = 0;
    virtual bool isRedoEmpty() const = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;

    virtual void recordAddNode(Node* node) = 0;
    virtual void recordAddNet(Net* net) = 0;
    virtual void recordRemove(QGraphicsItem* item) = 0;
    virtual void recordMoveNode(Node* node, const QPoint& old) = 0;
    virtual void recordMoveNetPoint(NetPoint* point, const QPoint& old) = 0;
    virtual void recordNetModified(Net* net) = 0;
    virtual void beginNetModification(Net* net) = 0;
    virtual void commitNetModification() = 0;
    // Puts the net of the pending snapshot back as it was; false without one.
    virtual bool revertNetModification() = 0;

    // The document's undo stack.
    static UndoRecorder* create(StateBase* owner);
};
