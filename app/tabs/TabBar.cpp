#include "TabBar.h"

#include "ClockTabBar.h"
#include "ClosePushButton.h"
#include "StateBase.h"

#include <QHBoxLayout>

TabBar::TabBar(QWidget* parent) : QWidget(parent), m_tabs(new ClockTabBar(this)), m_close(new ClosePushButton(this))
{
    const QColor background(255, 251, 233);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_close);
    connect(m_tabs, &ClockTabBar::selectionChanged, this, &TabBar::selectionChanged_Slot);
    connect(m_close, &QPushButton::clicked, this, &TabBar::closeClicked_Slot);
}

void TabBar::selectionChanged_Slot(StateBase* state)
{
    Q_EMIT selectionChanged(state);
}

void TabBar::closeClicked_Slot()
{
    if (StateBase* state = m_tabs->currentState())
        Q_EMIT closeClicked(state);
}
