#pragma once

#include "UndoRecorder.h"

#include <QList>

class NetModifiedAction;
class UndoActionList;

// The undo and redo history of one document: groups of actions, one group per user
// operation, at most maxGroups of them.
class UndoStack : public UndoRecorder
{
public:
    static constexpr int maxGroups = 100;

    explicit UndoStack(StateBase* owner);
    ~UndoStack() override;
    UndoStack(const UndoStack&) = delete;
    UndoStack& operator=(const UndoStack&) = delete;

    void beginGroup() override;
    void endGroup() override;
    bool isUndoEmpty() const override { return m_undoList.isEmpty(); }
    bool isRedoEmpty() const override { return m_redoList.isEmpty(); }
    void undo() override;
    void redo() override;

    void recordAddNode(Node* node) override;
    void recordAddNet(Net* net) override;
    void recordRemove(QGraphicsItem* item) override;
    void recordMoveNode(Node* node, const QPoint& old) override;
    void recordMoveNetPoint(NetPoint* point, const QPoint& old) override;
    void recordNetModified(Net* net) override;
    void beginNetModification(Net* net) override;
    void commitNetModification() override;
    bool revertNetModification() override;

    int undoCount() const { return static_cast<int>(m_undoList.size()); }
    int redoCount() const { return static_cast<int>(m_redoList.size()); }
    bool isGroupOpen() const { return m_openGroup != nullptr; }

private:
    // Replays the newest group of from; its inverse goes onto to.
    void replay(QList<UndoActionList*>& from, QList<UndoActionList*>& to);
    void clearHistory();
    bool hasMoveFor(int nodeId, int netId, int pointNumber) const;
    bool hasNetModifiedFor(int netId) const;

    StateBase* m_owner;
    QList<UndoActionList*> m_undoList;
    QList<UndoActionList*> m_redoList;
    UndoActionList* m_openGroup = nullptr;
    NetModifiedAction* m_pendingNetSnapshot = nullptr;
};
