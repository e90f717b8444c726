#include "CentralWidget.h"

#include "ClockTabBar.h"
#include "ClosePushButton.h"
#include "StateBase.h"
#include "TabBar.h"

#include <QMap>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
void setBackground(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}
} // namespace

CentralWidget::CentralWidget(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
    , m_tabBar(new TabBar(this))
    , m_pages(new QStackedWidget(this))
    , m_emptyPage(new QWidget(m_pages))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    setBackground(this, Qt::gray);
    m_layout->addWidget(m_tabBar);
    m_layout->addWidget(m_pages, 1);
    m_pages->addWidget(m_emptyPage);
    m_tabBar->hide();
    connect(m_tabBar, &TabBar::selectionChanged, this, &CentralWidget::selectionChanged_Slot);
    connect(m_tabBar, &TabBar::closeClicked, this, &CentralWidget::closeClicked_Slot);
}

ClockTabBar* CentralWidget::tabBar() const
{
    return m_tabBar->tabs();
}

ClosePushButton* CentralWidget::closeButton() const
{
    return m_tabBar->closeButton();
}

QWidget* CentralWidget::tabBarArea() const
{
    return m_tabBar;
}

StateBase* CentralWidget::currentState() const
{
    return tabBar()->currentState();
}

QWidget* CentralWidget::pageOf(StateBase* state) const
{
    return m_pageOf.value(state, nullptr);
}

void CentralWidget::showState(StateBase* state)
{
    if (!m_pageOf.contains(state)) {
        // A document without its program window yet gets an empty page.
        QWidget* page = state->widget();
        if (!page)
            page = new QWidget;
        setBackground(page, QColor(255, 255, 255));
        m_pages->addWidget(page);
        m_pageOf.insert(state, page);
    }
    m_tabBar->show();
    tabBar()->showState(state);
}

void CentralWidget::removeState(StateBase* state)
{
    QWidget* page = m_pageOf.take(state);
    if (page) {
        m_pages->removeWidget(page);
        // The document deletes its own window; an empty page is ours.
        if (page != state->widget())
            delete page;
        else
            page->setParent(nullptr);
    }
    tabBar()->removeState(state);
    if (m_pageOf.isEmpty())
        m_tabBar->hide();
}

void CentralWidget::updateCaption(StateBase* state)
{
    tabBar()->updateCaption(state);
}

void CentralWidget::updateClock(StateBase* state)
{
    tabBar()->updateClock(state);
}

void CentralWidget::selectionChanged_Slot(StateBase* state)
{
    m_pages->setCurrentWidget(state ? m_pageOf.value(state, m_emptyPage) : m_emptyPage);
    Q_EMIT selectionChanged(state);
}

void CentralWidget::closeClicked_Slot(StateBase* state)
{
    Q_EMIT closeClicked(state);
}
