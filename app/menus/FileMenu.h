#pragma once

#include <QMenu>

class MainWindow;

// File: new, open, save, Save As, close, properties, recent files, exit.
class FileMenu : public QMenu
{
    Q_OBJECT

public:
    explicit FileMenu(MainWindow* window);

    QAction* saveAction() const { return m_save; }
    QAction* saveAsAction() const { return m_saveAs; }
    QAction* closeAction() const { return m_close; }
    QAction* propertiesAction() const { return m_properties; }
    QMenu* recentFilesMenu() const { return m_recent; }
    QMenu* newMenu() const { return m_new; }

public Q_SLOTS:
    void newState();
    void newStateChart();
    void open();
    void save();
    void saveAs();
    void close();
    void properties();
    void quit();
    void recentFilesMenuActivated(int n);
    void aboutToShow_Slot();
    void aboutToHide_Slot();
    void aboutToShowRecent_Slot();

private:
    MainWindow* m_window;
    QMenu* m_new;
    QMenu* m_recent;
    QAction* m_save;
    QAction* m_saveAs;
    QAction* m_close;
    QAction* m_properties;
};
