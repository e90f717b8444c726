#include "SettingsView.h"

#include "ConstView.h"
#include "DialogView.h"

SettingsView::SettingsView(QWidget* parent, State* state) : QSplitter(Qt::Horizontal, parent)
{
    m_constView = new ConstView(this, state);
    m_dialogView = new DialogView(this);
}

void SettingsView::showEvent(QShowEvent* event)
{
    QSplitter::showEvent(event);
    if (!m_firstShow)
        return;
    // Later shows keep what the user set.
    m_firstShow = false;
    setSizes({m_constView->sizeHint().width(), dialogAreaWidth});
}
