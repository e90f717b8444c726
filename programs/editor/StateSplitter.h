#pragma once

#include <QSplitter>

class ConstView;
class DialogView;
class SettingsView;
class State;
class StateView;

// The window of a function-block program: its editor above, the constants table and
// the dialog area below.
class StateSplitter : public QSplitter
{
    Q_OBJECT

public:
    StateSplitter(QWidget* parent, State* state);
    ~StateSplitter() override;

    StateView* stateView() const { return m_stateView; }
    SettingsView* settingsView() const { return m_settingsView; }
    DialogView* dialogView() const;
    ConstView* constView() const;

private:
    State* m_state;
    StateView* m_stateView;
    SettingsView* m_settingsView;
};
