#pragma once

#include <QToolBar>

class MainWindow;
class QToolButton;
class StateBase;
class ToolbarButton;

// The main toolbar: new, open and save, the run buttons Start, Pause and Stop showing the
// state of the current program, and room for the robot connection widgets and the game.
class Toolbar : public QToolBar
{
    Q_OBJECT

public:
    explicit Toolbar(MainWindow* window);

    void updateButtons(StateBase* program);
    void disableButtons();

    ToolbarButton* startButton() const { return m_start; }
    ToolbarButton* pauseButton() const { return m_pause; }
    ToolbarButton* stopButton() const { return m_stop; }
    QToolButton* fileButton(int index) const { return m_fileButtons[index]; }
    // Where the robot link puts its address entry and status button.
    QWidget* connectionArea() const { return m_connectionArea; }

private Q_SLOTS:
    void on_start_toggled(bool on);
    void on_stop_toggled(bool on);
    void on_open_clicked();
    void on_save_clicked();
    void on_pause_toggled(bool on);
    void on_newstate_clicked();
    void on_newstatechart_clicked();

private:
    QToolButton* addFileButton(const QString& picture, const QString& text, void (Toolbar::*slot)());
    ToolbarButton* addRunButton(const QString& name, const QString& text, void (Toolbar::*slot)(bool));
    // Changes a run button without calling its slot.
    static void setOn(ToolbarButton* button, bool on);

    MainWindow* m_window;
    QToolButton* m_fileButtons[4] = {};
    int m_fileButtonCount = 0;
    ToolbarButton* m_start;
    ToolbarButton* m_pause;
    ToolbarButton* m_stop;
    QWidget* m_connectionArea;
};
