#include "StateSplitter.h"

#include "ConstView.h"
#include "DialogView.h"
#include "SettingsView.h"
#include "State.h"
#include "StateView.h"

QWidget* DocumentEditor::createProgramWindow(QWidget* parent, State* program)
{
    return new StateSplitter(parent, program);
}

StateSplitter::StateSplitter(QWidget* parent, State* state) : QSplitter(Qt::Vertical, parent), m_state(state)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_settingsView = new SettingsView(this, state);
    m_stateView = new StateView(this, state);
    insertWidget(0, m_stateView);
    if (state->paneSize0() > 0)
        setSizes({state->paneSize0(), state->paneSize1()});
    state->setSettingsPanes(dialogView()->contents(), dialogView(), constView());
}

StateSplitter::~StateSplitter()
{
    if (m_state->dialogView() == dialogView())
        m_state->setSettingsPanes(nullptr, nullptr, nullptr);
}

DialogView* StateSplitter::dialogView() const
{
    return m_settingsView->dialogView();
}

ConstView* StateSplitter::constView() const
{
    return m_settingsView->constView();
}
