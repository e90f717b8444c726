#include "ViewMenu.h"

#include "Library.h"
#include "MainWindow.h"
#include "State.h"
#include "StateView.h"
#include "Toolbar.h"

ViewMenu::ViewMenu(MainWindow* window) : QMenu(window), m_window(window)
{
    m_items[ZoomIn] = addAction(tr("Zoom in"), QKeySequence(tr("Shift+F3", "View|Zoom in")), this, &ViewMenu::zoomIn);
    m_items[ZoomOut] = addAction(tr("Zoom out"), QKeySequence(tr("F3", "View|Zoom out")), this, &ViewMenu::zoomOut);
    addSeparator();
    m_items[IncreaseGrid] =
        addAction(tr("Increase grid"), QKeySequence(tr("F4", "View|Increase grid")), this, &ViewMenu::expandGrid);
    m_items[DecreaseGrid] =
        addAction(tr("Decrease grid"), QKeySequence(tr("Shift+F4", "View|Decrease grid")), this, &ViewMenu::reduceGrid);
    addSeparator();
    m_items[ShowData] =
        addAction(tr("Show data"), QKeySequence(tr("Ctrl+D", "View|Show data")), this, &ViewMenu::datatip);
    m_items[ShowGrid] = addAction(tr("Show grid"), QKeySequence(tr("Ctrl+G", "View|Show grid")), this, &ViewMenu::grid);
    m_items[ShowSorting] =
        addAction(tr("Show sorting"), QKeySequence(tr("Shift+Ctrl+O", "View|Show sorting")), this, &ViewMenu::sort);
    addSeparator();
    m_items[ToolbarItem] =
        addAction(tr("Toolbar"), QKeySequence(tr("Ctrl+T", "View|Toolbar")), this, &ViewMenu::toolbar);
    m_items[LibraryItem] =
        addAction(tr("Library"), QKeySequence(tr("Ctrl+L", "View|Library")), this, &ViewMenu::library);
    for (Item checkable : {ShowData, ShowGrid, ShowSorting, ToolbarItem, LibraryItem})
        m_items[checkable]->setCheckable(true);
    window->addActions(actions());
    connect(this, &QMenu::aboutToShow, this, &ViewMenu::aboutToShow_Slot);
    connect(this, &QMenu::aboutToHide, this, &ViewMenu::aboutToHide_Slot);
}

void ViewMenu::zoomIn()
{
    StateBase* current = m_window->currentState();
    if (current && current->stateView())
        current->stateView()->zoomIn();
}

void ViewMenu::zoomOut()
{
    StateBase* current = m_window->currentState();
    if (current && current->stateView())
        current->stateView()->zoomOut();
}

void ViewMenu::expandGrid()
{
    StateBase* current = m_window->currentState();
    if (current && current->stateView())
        current->stateView()->increaseGridSpacing();
}

void ViewMenu::reduceGrid()
{
    StateBase* current = m_window->currentState();
    if (current && current->stateView())
        current->stateView()->decreaseGridSpacing();
}

void ViewMenu::datatip()
{
    if (StateBase* current = m_window->currentState())
        current->setDatatips(!current->datatips());
}

void ViewMenu::grid()
{
    StateBase* current = m_window->currentState();
    if (!current || !current->stateView())
        return;
    StateView* view = current->stateView();
    view->setGridVisible(!view->isGridVisible());
}

void ViewMenu::sort()
{
    if (auto* program = qobject_cast<State*>(m_window->currentState()))
        program->setShowSortIndex(!program->showSortIndex());
}

void ViewMenu::toolbar()
{
    m_window->toolbar()->setVisible(!m_window->toolbar()->isVisible());
}

void ViewMenu::library()
{
    m_window->library()->setVisible(!m_window->library()->isVisible());
}

void ViewMenu::aboutToShow_Slot()
{
    m_items[ToolbarItem]->setChecked(m_window->toolbar()->isVisible());
    m_items[LibraryItem]->setChecked(m_window->library()->isVisible());
    for (Item item : {ShowData, ShowGrid, ShowSorting}) {
        m_items[item]->setChecked(false);
        m_items[item]->setEnabled(false);
    }
    for (Item item : {ZoomIn, ZoomOut, IncreaseGrid, DecreaseGrid})
        m_items[item]->setEnabled(false);
    StateBase* current = m_window->currentState();
    if (!current)
        return;
    if (current->stateView()) {
        m_items[ShowGrid]->setChecked(current->stateView()->isGridVisible());
        for (Item item : {IncreaseGrid, DecreaseGrid, ShowGrid, ZoomIn, ZoomOut})
            m_items[item]->setEnabled(true);
    }
    if (auto* program = qobject_cast<State*>(current)) {
        m_items[ShowData]->setEnabled(true);
        m_items[ShowData]->setChecked(program->datatips());
        m_items[ShowSorting]->setEnabled(true);
        m_items[ShowSorting]->setChecked(program->showSortIndex());
    }
}

void ViewMenu::aboutToHide_Slot()
{
    for (Item item : {ShowGrid, ShowSorting, ShowData, ZoomIn, ZoomOut, IncreaseGrid, DecreaseGrid})
        m_items[item]->setEnabled(true);
}
