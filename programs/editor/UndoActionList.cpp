#include "UndoActionList.h"

#include "UndoAction.h"

UndoActionList::UndoActionList(StateBase* owner) : m_owner(owner)
{
}

UndoActionList::~UndoActionList()
{
    clear();
}

void UndoActionList::clear()
{
    qDeleteAll(m_actions);
    m_actions.clear();
}

bool UndoActionList::undo()
{
    for (qsizetype i = 0; i < m_actions.size();) {
        UndoAction* action = m_actions.at(i);
        if (action->type() != UndoAction::Remove) {
            ++i;
            continue;
        }
        action->undo();
        delete action;
        m_actions.removeAt(i);
    }
    for (qsizetype i = m_actions.size() - 1; i >= 0; --i) {
        if (!m_actions.at(i)->undo()) {
            clear();
            return false;
        }
    }
    return true;
}
