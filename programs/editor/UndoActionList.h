#pragma once

#include <QList>

class StateBase;
class UndoAction;

// The actions recorded for one user operation, in order; owns them.
class UndoActionList
{
public:
    explicit UndoActionList(StateBase* owner);
    ~UndoActionList();
    UndoActionList(const UndoActionList&) = delete;
    UndoActionList& operator=(const UndoActionList&) = delete;

    void append(UndoAction* action) { m_actions.append(action); }
    bool isEmpty() const { return m_actions.isEmpty(); }
    const QList<UndoAction*>& actions() const { return m_actions; }
    StateBase* owner() const { return m_owner; }
    // Replays the group backwards; deleted blocks come back first so that the nets
    // that join them find them. False (and the group emptied) when an action fails.
    bool undo();

private:
    void clear();

    StateBase* m_owner;
    QList<UndoAction*> m_actions;
};
