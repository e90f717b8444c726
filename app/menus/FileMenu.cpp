#include "FileMenu.h"

#include "DialogRunner.h"
#include "FileHistory.h"
#include "MainWindow.h"
#include "PropertiesDialog.h"
#include "ShellPictures.h"
#include "StateBase.h"

FileMenu::FileMenu(MainWindow* window) : QMenu(window), m_window(window)
{
    m_new = addMenu(tr("New"));
    m_new->addAction(QIcon(shellPicture(QStringLiteral("state.png"))), tr("Function block program"), this,
                     &FileMenu::newState);
    m_new->addAction(QIcon(shellPicture(QStringLiteral("statechart.png"))), tr("Flow control program"), this,
                     &FileMenu::newStateChart);
    addAction(QIcon(shellPicture(QStringLiteral("fileopen.xpm"))), tr("&Open"), QKeySequence(tr("Ctrl+O", "File|Open")),
              this, &FileMenu::open);
    m_save = addAction(QIcon(shellPicture(QStringLiteral("filesave.xpm"))), tr("&Save"),
                       QKeySequence(tr("Ctrl+S", "File|Save")), this, &FileMenu::save);
    m_saveAs = addAction(tr("Save &As"), QKeySequence(tr("Shift+Ctrl+S", "File|Save As")), this, &FileMenu::saveAs);
    addSeparator();
    m_close = addAction(tr("&Close"), this, &FileMenu::close);
    addSeparator();
    m_properties = addAction(tr("&Properties"), this, &FileMenu::properties);
    addSeparator();
    m_recent = addMenu(tr("Recent Files"));
    addSeparator();
    addAction(tr("E&xit"), QKeySequence(tr("Ctrl+Q", "File|Exit")), this, &FileMenu::quit);
    connect(this, &QMenu::aboutToShow, this, &FileMenu::aboutToShow_Slot);
    connect(this, &QMenu::aboutToHide, this, &FileMenu::aboutToHide_Slot);
    connect(m_recent, &QMenu::aboutToShow, this, &FileMenu::aboutToShowRecent_Slot);
}

void FileMenu::newState()
{
    m_window->newState();
}

void FileMenu::newStateChart()
{
    m_window->newStateChart();
}

void FileMenu::open()
{
    m_window->openFileDialog();
}

void FileMenu::save()
{
    m_window->saveCurrent();
}

void FileMenu::saveAs()
{
    m_window->saveCurrentAs();
}

void FileMenu::close()
{
    if (StateBase* current = m_window->currentState())
        m_window->closeClicked_Slot(current);
}

void FileMenu::properties()
{
    StateBase* current = m_window->currentState();
    if (!current)
        return;
    PropertiesDialog dialog(m_window, current->displayName(), current->info());
    if (runDialog(dialog) == 1 && dialog.text() != current->info()) {
        current->setInfo(dialog.text());
        current->setModified();
    }
}

void FileMenu::quit()
{
    m_window->close();
}

void FileMenu::aboutToShow_Slot()
{
    m_recent->setEnabled(!fileHistory.isEmpty());
    const bool current = m_window->currentState() != nullptr;
    m_close->setEnabled(current);
    m_properties->setEnabled(current);
}

void FileMenu::aboutToHide_Slot()
{
    m_save->setEnabled(true);
    m_saveAs->setEnabled(true);
}

void FileMenu::aboutToShowRecent_Slot()
{
    m_recent->clear();
    for (int i = 0; i < fileHistory.count(); ++i) {
        const FileHistory::Entry entry = fileHistory.at(i);
        const QString icon =
            entry.second == StateBase_t::Program ? QStringLiteral("state.png") : QStringLiteral("statechart.png");
        m_recent->addAction(QIcon(shellPicture(icon)), entry.first, this, [this, i] { recentFilesMenuActivated(i); });
    }
}

void FileMenu::recentFilesMenuActivated(int n)
{
    if (n < fileHistory.count())
        m_window->load(fileHistory.at(n).first);
}
