#pragma once

#include <QList>
#include <QMainWindow>

#include <libxml/tree.h>

class CentralWidget;
class EditMenu;
class ExtrasMenu;
class FileMenu;
class HelpMenu;
class Library;
class FrequencyDisplay;
class StateBase;
class StateManager;
class Toolbar;
class ViewMenu;
class WindowMenu;

// The program's one top-level window: menus, toolbar, block library dock, program tabs
// and status bar. Owns the registry of open documents, carries out the run and document
// commands on the current document and decides whether the application may close.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    StateManager* stateManager() const { return m_stateManager; }
    Library* library() const { return m_library; }
    Toolbar* toolbar() const { return m_toolbar; }
    CentralWidget* centralArea() const { return m_central; }
    FrequencyDisplay* frequencyArea() const { return m_frequencyArea; }
    StateBase* currentState() const;
    void setAutostartPending(bool on) { m_autostartPending = on; }
    bool autostartPending() const { return m_autostartPending; }

    void showStatusMessage(const QString& text);
    void showProgram(StateBase* program);
    void updateProgramTab(StateBase* program);

    // Run commands on the current document.
    void startCurrent();
    void stepCurrent();
    void setStepMode(bool on);
    void stopCurrent();
    void connectRobot();
    void disconnectRobot();

    // Document commands.
    void newState();
    void newStateChart();
    void openFileDialog();
    StateBase* loadModel(const QString& fileName, xmlNode* root);
    void saveCurrent();
    void saveCurrentAs();
    bool save(StateBase* document);
    bool saveAs(StateBase* document);
    bool saveUntitledPrograms(StateBase* chart);
    bool closeProgram(StateBase* program);
    bool closeStateChart(StateBase* chart, bool askForPrograms);
    void closeAll();
    bool resolveCollisions(StateBase* document);

    // The message of a robot link error code.
public Q_SLOTS:
    void comError(int code);
    void comConnected();
    void comConnecting();
    void comConnectionClosed();
    void load(const QString& fileName);
    void closeClicked_Slot(StateBase* document);
    void stopAll();
    void help();

private Q_SLOTS:
    void selectionChanged_Slot(StateBase* state);
    void on_changeProgram(int n);

protected:
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void updateToolbar();
    bool saveChecked(const QList<StateBase*>& documents);
    bool saveToItsFile(StateBase* document);
    bool askToSaveAndSave(const QList<StateBase*>& documents, bool& cancelled);
    int warning(const QString& text, int buttons, int defaultButton);
    void showDocument(StateBase* document);
    void forget(StateBase* document);

    StateManager* m_stateManager;
    FrequencyDisplay* m_frequencyArea;
    Library* m_library;
    bool m_autostartPending = false;
    FileMenu* m_fileMenu;
    EditMenu* m_editMenu;
    ViewMenu* m_viewMenu;
    ExtrasMenu* m_extrasMenu;
    WindowMenu* m_windowMenu;
    HelpMenu* m_helpMenu;
    Toolbar* m_toolbar;
    CentralWidget* m_central = nullptr;
};
