#pragma once

#include <QMenu>

class MainWindow;

// Window: close all documents or dialogs, and one entry per open document.
class WindowMenu : public QMenu
{
    Q_OBJECT

public:
    explicit WindowMenu(MainWindow* window);

public Q_SLOTS:
    void closeAllDocuments();
    void closeAllDialogs();
    void windowsMenuActivated(int n);
    void aboutToShow_Slot();
    void aboutToHide_Slot() { }

private:
    MainWindow* m_window;
};
