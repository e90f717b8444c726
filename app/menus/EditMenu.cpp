#include "EditMenu.h"

#include "MainWindow.h"
#include "ShellPictures.h"
#include "StateBase.h"
#include "StateView.h"

#include <QApplication>
#include <QShortcut>

namespace {
// The canvas or its viewport holds the keyboard focus.
bool editorHasFocus(StateView* view)
{
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == view || focus == view->viewport());
}
} // namespace

EditMenu::EditMenu(MainWindow* window) : QMenu(window), m_window(window)
{
    auto icon = [](const char* name) { return QIcon(shellPicture(QString::fromLatin1(name))); };
    m_items[Undo] =
        addAction(icon("editundo.xpm"), tr("&Undo"), QKeySequence(tr("Ctrl+Z", "Edit|Undo")), this, &EditMenu::undo);
    m_items[Redo] = addAction(icon("editredo.xpm"), tr("&Redo"), QKeySequence(tr("Shift+Ctrl+Z", "Edit|Redo")), this,
                              &EditMenu::redo);
    addSeparator();
    m_items[Cut] =
        addAction(icon("editcut.xpm"), tr("&Cut"), QKeySequence(tr("Ctrl+X", "Edit|Cut")), this, &EditMenu::cut);
    m_items[Copy] =
        addAction(icon("editcopy.xpm"), tr("C&opy"), QKeySequence(tr("Ctrl+C", "Edit|Copy")), this, &EditMenu::copy);
    m_items[Paste] = addAction(icon("editpaste.xpm"), tr("&Paste"), QKeySequence(tr("Ctrl+V", "Edit|Paste")), this,
                               &EditMenu::paste);
    m_items[Delete] = addAction(tr("Delete"), QKeySequence(tr("Del", "Edit|Delete")), this, &EditMenu::remove);
    addSeparator();
    m_items[SelectAll] =
        addAction(tr("Select All"), QKeySequence(QStringLiteral("Ctrl+A")), this, &EditMenu::selectAll);
    m_items[Clear] = addAction(tr("Clear selection"), QKeySequence(Qt::Key_Escape), this, &EditMenu::clear);
    // Menu shortcuts reach the window only while it holds them.
    window->addActions(actions());
    const struct
    {
        int key;
        void (EditMenu::*slot)();
    } arrows[] = {{Qt::Key_Up, &EditMenu::up},
                  {Qt::Key_Down, &EditMenu::down},
                  {Qt::Key_Left, &EditMenu::left},
                  {Qt::Key_Right, &EditMenu::right}};
    for (const auto& arrow : arrows) {
        for (const QKeySequence& keys : {QKeySequence(arrow.key), QKeySequence(Qt::CTRL | arrow.key)}) {
            auto* shortcut = new QShortcut(keys, window);
            shortcut->setEnabled(false);
            connect(shortcut, &QShortcut::activated, this, arrow.slot);
            m_arrowKeys.append(shortcut);
        }
    }
    // The arrows belong to the editor only while it has the focus; elsewhere (a dialog's
    // slider or spin box) they stay with the focused widget.
    connect(qApp, &QApplication::focusChanged, this, &EditMenu::focusChanged_Slot);
    connect(this, &QMenu::aboutToShow, this, &EditMenu::aboutToShow_Slot);
    connect(this, &QMenu::aboutToHide, this, &EditMenu::aboutToHide_Slot);
}

StateView* EditMenu::currentView() const
{
    StateBase* current = m_window->currentState();
    return current ? current->stateView() : nullptr;
}

void EditMenu::undo()
{
    if (StateBase* current = m_window->currentState())
        current->undo();
}

void EditMenu::redo()
{
    if (StateBase* current = m_window->currentState())
        current->redo();
}

void EditMenu::cut()
{
    if (StateBase* current = m_window->currentState())
        current->cut();
}

void EditMenu::copy()
{
    if (StateBase* current = m_window->currentState())
        current->copy();
}

void EditMenu::paste()
{
    if (StateBase* current = m_window->currentState())
        current->paste();
}

void EditMenu::remove()
{
    if (StateView* view = currentView())
        view->deleteSelection();
}

void EditMenu::selectAll()
{
    if (StateBase* current = m_window->currentState())
        current->selectAll();
}

void EditMenu::clear()
{
    if (StateView* view = currentView())
        view->clearSelection();
}

void EditMenu::move(int direction)
{
    StateView* view = currentView();
    // Arrows move canvas items only from the editor; in a dialog's slider or spin box
    // they stay with that widget.
    if (!view || !editorHasFocus(view))
        return;
    view->moveSelection(direction);
}

void EditMenu::up()
{
    move(0);
}

void EditMenu::down()
{
    move(1);
}

void EditMenu::left()
{
    move(2);
}

void EditMenu::right()
{
    move(3);
}

void EditMenu::focusChanged_Slot()
{
    StateView* view = currentView();
    const bool editorFocused = view && editorHasFocus(view);
    for (QShortcut* shortcut : std::as_const(m_arrowKeys))
        shortcut->setEnabled(editorFocused);
}

bool EditMenu::arrowKeysEnabled() const
{
    return !m_arrowKeys.isEmpty() && m_arrowKeys.first()->isEnabled();
}

void EditMenu::aboutToShow_Slot()
{
    for (QAction* action : m_items)
        action->setEnabled(false);
    StateBase* current = m_window->currentState();
    if (!current)
        return;
    m_items[Paste]->setEnabled(!current->nothingToPaste());
    m_items[Undo]->setEnabled(!current->isUndoEmpty());
    m_items[Redo]->setEnabled(!current->isRedoEmpty());
    StateView* view = current->stateView();
    if (!view)
        return;
    m_items[SelectAll]->setEnabled(true);
    const bool selection = view->hasSelection();
    m_items[Cut]->setEnabled(selection);
    m_items[Delete]->setEnabled(selection);
    m_items[Clear]->setEnabled(selection);
    m_items[Copy]->setEnabled(!view->selectedNodes().isEmpty());
}

void EditMenu::aboutToHide_Slot()
{
    for (QAction* action : m_items)
        action->setEnabled(true);
}
