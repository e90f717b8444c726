#include "ClockTabBar.h"

#include "StateBase.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolTip>
#include <QtMath>

ClockTabBar::ClockTabBar(QWidget* parent) : QTabBar(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    setDrawBase(false);
    setExpanding(false);
    setIconSize(QSize(16, 16));
    connect(this, &QTabBar::currentChanged, this, &ClockTabBar::tabSelected);
}

QString ClockTabBar::captionOf(StateBase* state)
{
    const QString caption = state->caption();
    if (!caption.isEmpty())
        return caption;
    return state->displayName() + (state->isModified() ? QStringLiteral("*") : QString());
}

StateBase* ClockTabBar::currentState() const
{
    return stateAt(currentIndex());
}

StateBase* ClockTabBar::stateAt(int index) const
{
    return (index >= 0 && index < m_states.size()) ? m_states.at(index) : nullptr;
}

int ClockTabBar::indexOf(StateBase* state) const
{
    return static_cast<int>(m_states.indexOf(state));
}

void ClockTabBar::showState(StateBase* state)
{
    const int existing = indexOf(state);
    if (existing >= 0) {
        setCurrentIndex(existing);
        return;
    }
    m_adding = true;
    m_states.append(state);
    const int index = addTab(captionOf(state));
    m_adding = false;
    setCurrentIndex(index);
    for (StateBase* each : std::as_const(m_states))
        updateClock(each);
    Q_EMIT selectionChanged(state);
}

void ClockTabBar::removeState(StateBase* state)
{
    const int index = indexOf(state);
    if (index < 0)
        return;
    m_states.removeAt(index);
    removeTab(index);
    if (m_states.isEmpty())
        Q_EMIT selectionChanged(nullptr);
}

void ClockTabBar::updateCaption(StateBase* state)
{
    const int index = indexOf(state);
    if (index >= 0)
        setTabText(index, captionOf(state));
}

QColor ClockTabBar::tabColour(StateBase* state, bool current) const
{
    if (state->kind() == StateBase_t::Chart)
        return current ? m_currentBlueGreen : m_baseBlueGreen;
    return current ? m_currentBeige : m_baseBeige;
}

QPixmap ClockTabBar::clockPixmap(StateBase* state, bool current) const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(QSize(16, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(tabColour(state, current));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(state->isRunning() ? QColor(Qt::green) : QColor(Qt::white));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    const unsigned cycles = static_cast<unsigned>(state->stepCount());
    painter.translate(8, 8);
    painter.save();
    painter.rotate((cycles % 50) * 7.2);
    painter.drawLine(QPointF(0, 0), QPointF(0, -5));
    painter.restore();
    painter.rotate(cycles * 0.12);
    painter.drawLine(QPointF(0, 0), QPointF(0, -4));
    return pixmap;
}

void ClockTabBar::updateClock(StateBase* state)
{
    const int index = indexOf(state);
    if (index < 0)
        return;
    setTabIcon(index, QIcon(clockPixmap(state, index == currentIndex())));
}

void ClockTabBar::tabSelected(int index)
{
    if (m_adding)
        return;
    for (StateBase* each : std::as_const(m_states))
        updateClock(each);
    Q_EMIT selectionChanged(stateAt(index));
}

bool ClockTabBar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = tabAt(help->pos());
        if (StateBase* state = stateAt(index))
            QToolTip::showText(help->globalPos(), state->fileName(), this, tabRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QTabBar::event(event);
}

QSize ClockTabBar::tabSizeHint(int index) const
{
    // Room for the label's inset of 5 pixels at each side and 2 at top and bottom.
    return QTabBar::tabSizeHint(index) + QSize(10, 4);
}

void ClockTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        StateBase* state = stateAt(i);
        if (!state)
            continue;
        const bool current = i == currentIndex();
        const QRect r = tabRect(i);
        painter.fillRect(r, tabColour(state, current));
        if (current) {
            painter.setPen(Qt::white);
            painter.drawLine(r.topLeft(), r.bottomLeft());
            painter.drawLine(r.topLeft(), r.topRight());
            painter.setPen(Qt::black);
            painter.drawLine(r.topRight(), r.bottomRight());
        } else {
            painter.setPen(m_currentBeige);
            painter.drawLine(r.topRight(), r.bottomRight());
        }
        QStyleOptionTab option;
        initStyleOption(&option, i);
        option.rect = r.adjusted(5, 2, -5, -2);
        option.state &= ~QStyle::State_HasFocus;
        painter.drawControl(QStyle::CE_TabBarTabLabel, option);
    }
}
