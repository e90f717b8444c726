#pragma once

#include <QSplitter>

class ConstView;
class DialogView;
class State;

// The lower pane of a program window: the constants table beside the dialog area.
class SettingsView : public QSplitter
{
    Q_OBJECT

public:
    static constexpr int dialogAreaWidth = 800;

    SettingsView(QWidget* parent, State* state);

    DialogView* dialogView() const { return m_dialogView; }
    ConstView* constView() const { return m_constView; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    DialogView* m_dialogView;
    ConstView* m_constView;
    bool m_firstShow = true;
};
