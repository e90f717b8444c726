#pragma once

#include <QWidget>

class ClockTabBar;
class ClosePushButton;
class StateBase;

// The strip above the documents: the clock tabs and, at the right end, the close button.
class TabBar : public QWidget
{
    Q_OBJECT

public:
    explicit TabBar(QWidget* parent = nullptr);

    ClockTabBar* tabs() const { return m_tabs; }
    ClosePushButton* closeButton() const { return m_close; }

Q_SIGNALS:
    void selectionChanged(StateBase* state);
    void closeClicked(StateBase* state);

public Q_SLOTS:
    void selectionChanged_Slot(StateBase* state);
    void closeClicked_Slot();

private:
    ClockTabBar* m_tabs;
    ClosePushButton* m_close;
};
