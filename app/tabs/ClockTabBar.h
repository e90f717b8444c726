#pragma once

#include <QColor>
#include <QMap>
#include <QTabBar>

class StateBase;

// The tabs of the open documents, each with a clock dial as icon: green while the
// document runs, its hands turned by the cycles run. Program tabs are beige, chart tabs
// blue-green; the current one is darker.
class ClockTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit ClockTabBar(QWidget* parent = nullptr);

    StateBase* currentState() const;
    StateBase* stateAt(int index) const;
    int indexOf(StateBase* state) const;
    void showState(StateBase* state);
    void removeState(StateBase* state);
    void updateCaption(StateBase* state);
    void updateClock(StateBase* state);
    // The clock dial of a document at a cycle count.
    QPixmap clockPixmap(StateBase* state, bool current) const;
    QColor tabColour(StateBase* state, bool current) const;

    static QString captionOf(StateBase* state);

Q_SIGNALS:
    void selectionChanged(StateBase* state);

private Q_SLOTS:
    void tabSelected(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QSize tabSizeHint(int index) const override;

private:
    QList<StateBase*> m_states; // in tab order
    const QColor m_baseBeige {255, 251, 233};
    const QColor m_currentBeige {QColor(255, 251, 233).darker(115)};
    const QColor m_baseBlueGreen {194, 233, 234};
    const QColor m_currentBlueGreen {QColor(194, 233, 234).darker(110)};
    bool m_adding = false;
};
