#pragma once

#include "UndoAction.h"

#include <QPoint>

// A block or a net point moved; undoing moves it back to where it was.
class MoveAction : public UndoAction
{
public:
    // nodeId 0 means point pointNumber of net netId.
    MoveAction(StateBase* owner, int nodeId, int netId, int pointNumber, const QPoint& old);

    bool undo() override;
    int type() const override { return Move; }
    bool isFor(int nodeId, int netId, int pointNumber) const;

private:
    int m_nodeId;
    int m_netId;
    int m_pointNumber;
    QPoint m_old;
};
