#pragma once

#include <QList>
#include <QMenu>

class MainWindow;
class QShortcut;
class StateBase;
class StateView;

// Edit: undo and redo, clipboard, delete, selection; and the arrow keys that move the
// selection of the current canvas.
class EditMenu : public QMenu
{
    Q_OBJECT

public:
    explicit EditMenu(MainWindow* window);

    enum Item { Undo, Redo, Cut, Copy, Paste, Delete, SelectAll, Clear, ItemCount };
    QAction* item(Item which) const { return m_items[which]; }
    bool arrowKeysEnabled() const;

public Q_SLOTS:
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void remove();
    void selectAll();
    void clear();
    void up();
    void down();
    void left();
    void right();
    void aboutToShow_Slot();
    void aboutToHide_Slot();
    void focusChanged_Slot();

private:
    StateView* currentView() const;
    void move(int direction);

    MainWindow* m_window;
    QAction* m_items[ItemCount] = {};
    QList<QShortcut*> m_arrowKeys;
};
