#pragma once

#include <QMenu>

class MainWindow;

// Help: dynamic help, contents, about, and the robot's information.
class HelpMenu : public QMenu
{
    Q_OBJECT

public:
    explicit HelpMenu(MainWindow* window);

    QAction* infoAction() const { return m_info; }

public Q_SLOTS:
    void helpDynamic_Slot();
    void helpContents_Slot();
    void about_Slot();
    void info_Slot();
    void aboutToShow_Slot();
    void aboutToHide_Slot() { }

private:
    MainWindow* m_window;
    QAction* m_info;
};
