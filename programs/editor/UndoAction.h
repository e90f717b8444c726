#pragma once

class StateBase;

// One recorded change of a document that can be carried out in reverse. Actions refer
// to blocks and nets by id, so they survive the deletion and re-creation of items.
class UndoAction
{
public:
    enum Type { Add = 0, Remove = 1, Move = 2, NetModified = 3 };

    explicit UndoAction(StateBase* owner) : m_owner(owner) { }
    virtual ~UndoAction() = default;
    UndoAction(const UndoAction&) = delete;
    UndoAction& operator=(const UndoAction&) = delete;

    // Reverses the change through the document, which records the inverse; false when
    // the block, net or point it refers to is gone.
    virtual bool undo() = 0;
    virtual int type() const = 0;

protected:
    StateBase* owner() const { return m_owner; }

private:
    StateBase* m_owner;
};
