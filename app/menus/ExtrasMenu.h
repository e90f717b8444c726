#pragma once

#include <QMenu>

#include "QmReader.h"

class MainWindow;
class QActionGroup;

// Extras: options, robot shutdown and the language choice.
class ExtrasMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ExtrasMenu(MainWindow* window);

    QAction* shutdownAction() const { return m_shutdown; }
    QActionGroup* languageGroup() const { return m_languages; }
    QMenu* languagesMenu() const { return m_languagesMenu; }

public Q_SLOTS:
    void options_Slot();
    void shutdown_Slot();
    void languageChanged_Slot(QAction* action);
    void aboutToShow_Slot();
    void aboutToHide_Slot() { }

private:
    MainWindow* m_window;
    QAction* m_shutdown;
    QActionGroup* m_languages;
    QMenu* m_languagesMenu = nullptr;
    QList<QmReader::Message> m_languageMessages;
};
