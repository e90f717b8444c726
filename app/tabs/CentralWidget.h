#pragma once

#include <QWidget>

class ClockTabBar;
class ClosePushButton;
class QStackedWidget;
class TabBar;
class QVBoxLayout;
class StateBase;

// The main window's central area: the tab bar of the open documents (with the close
// button) above the page of the current one.
class CentralWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CentralWidget(QWidget* parent = nullptr);

    StateBase* currentState() const;
    void showState(StateBase* state);
    void removeState(StateBase* state);
    void updateCaption(StateBase* state);
    void updateClock(StateBase* state);

    ClockTabBar* tabBar() const;
    ClosePushButton* closeButton() const;
    QWidget* tabBarArea() const;
    // The page shown for a document: its program window, or an empty page without one.
    QWidget* pageOf(StateBase* state) const;

Q_SIGNALS:
    void selectionChanged(StateBase* state);
    void closeClicked(StateBase* state);

public Q_SLOTS:
    void selectionChanged_Slot(StateBase* state);
    void closeClicked_Slot(StateBase* state);

private:
    QVBoxLayout* m_layout;
    TabBar* m_tabBar;
    QStackedWidget* m_pages;
    QWidget* m_emptyPage;
    QMap<StateBase*, QWidget*> m_pageOf;
};
