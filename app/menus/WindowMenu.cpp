#include "WindowMenu.h"

#include "CentralWidget.h"
#include "ClockTabBar.h"
#include "DialogView.h"
#include "MainWindow.h"
#include "ShellPictures.h"
#include "StateBase.h"
#include "StateManager.h"

WindowMenu::WindowMenu(MainWindow* window) : QMenu(window), m_window(window)
{
    connect(this, &QMenu::aboutToShow, this, &WindowMenu::aboutToShow_Slot);
    aboutToShow_Slot();
}

void WindowMenu::closeAllDocuments()
{
    m_window->closeAll();
}

void WindowMenu::closeAllDialogs()
{
    StateBase* current = m_window->currentState();
    if (current && current->kind() == StateBase_t::Program && current->dialogView())
        current->dialogView()->closeAllDialogs();
}

void WindowMenu::windowsMenuActivated(int n)
{
    const QList<StateBase*> documents = m_window->stateManager()->states();
    if (n < documents.size())
        m_window->centralArea()->showState(documents.at(n));
}

void WindowMenu::aboutToShow_Slot()
{
    clear();
    QAction* closeDocuments = addAction(QIcon(shellPicture(QStringLiteral("fileclose.png"))), tr("Close All Documents"),
                                        this, &WindowMenu::closeAllDocuments);
    QAction* closeDialogs = addAction(tr("Close All Dialogs"), this, &WindowMenu::closeAllDialogs);
    closeDialogs->setEnabled(false);
    StateBase* current = m_window->currentState();
    if (current && current->kind() == StateBase_t::Program && current->dialogView()
        && !current->dialogView()->isEmpty())
        closeDialogs->setEnabled(true);
    const QList<StateBase*> documents = m_window->stateManager()->states();
    if (documents.isEmpty()) {
        closeDocuments->setEnabled(false);
        return;
    }
    addSeparator();
    for (int i = 0; i < documents.size(); ++i) {
        QAction* entry = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(ClockTabBar::captionOf(documents.at(i))),
                                   this, [this, i] { windowsMenuActivated(i); });
        entry->setCheckable(true);
        entry->setChecked(documents.at(i) == current);
    }
}
