#pragma once

#include <QMenu>

class MainWindow;

// View: zoom, grid, data on the nets, execution order, toolbar and library.
class ViewMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ViewMenu(MainWindow* window);

    enum Item {
        ZoomIn,
        ZoomOut,
        IncreaseGrid,
        DecreaseGrid,
        ShowData,
        ShowGrid,
        ShowSorting,
        ToolbarItem,
        LibraryItem,
        ItemCount
    };
    QAction* item(Item which) const { return m_items[which]; }

public Q_SLOTS:
    void zoomIn();
    void zoomOut();
    void expandGrid();
    void reduceGrid();
    void datatip();
    void grid();
    void sort();
    void toolbar();
    void library();
    void aboutToShow_Slot();
    void aboutToHide_Slot();

private:
    MainWindow* m_window;
    QAction* m_items[ItemCount] = {};
};
