#include "HelpMenu.h"

#include "AboutDialog.h"
#include "AppGlobals.h"
#include "ComCenter.h"
#include "DialogRunner.h"
#include "InfoDialog.h"
#include "MainWindow.h"

HelpMenu::HelpMenu(MainWindow* window) : QMenu(window), m_window(window)
{
    QAction* dynamic =
        addAction(tr("Dynamic Help"), QKeySequence(tr("F1", "Help|Dynamic Help")), this, &HelpMenu::helpDynamic_Slot);
    dynamic->setShortcutContext(Qt::ApplicationShortcut);
    window->addAction(dynamic);
    addSeparator();
    addAction(tr("Contents"), this, &HelpMenu::helpContents_Slot);
    addSeparator();
    addAction(tr("About"), this, &HelpMenu::about_Slot);
    addSeparator();
    m_info = addAction(tr("Info"), this, &HelpMenu::info_Slot);
    connect(this, &QMenu::aboutToShow, this, &HelpMenu::aboutToShow_Slot);
}

void HelpMenu::helpDynamic_Slot()
{
    m_window->help();
}

void HelpMenu::helpContents_Slot()
{
    helpContextId = 0;
    m_window->help();
}

void HelpMenu::about_Slot()
{
    AboutDialog dialog(m_window);
    runDialog(dialog);
}

void HelpMenu::info_Slot()
{
    InfoDialog dialog(m_window);
    runDialog(dialog);
}

void HelpMenu::aboutToShow_Slot()
{
    m_info->setEnabled(comCenter && comCenter->connectionCount() != 0);
}
