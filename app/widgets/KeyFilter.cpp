#include "KeyFilter.h"

#include "DemoWidget.h"
#include "Settings.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

KeyFilter::KeyFilter(QObject* parent) : QObject(parent), m_overlay(new DemoWidget(this)), m_timer(new QTimer(this))
{
    qApp->installEventFilter(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &KeyFilter::timerTimeout);
}

KeyFilter::~KeyFilter()
{
    qApp->removeEventFilter(this);
    delete m_overlay;
}

bool KeyFilter::anyFlagSet() const
{
    return m_leftDown || m_leftDouble || m_rightDown || m_rightDouble || m_shift || m_escape || m_delete || m_ctrl;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    // The overlay's own events would only move it again.
    if (watched == m_overlay)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        doubleClick(mouse->button());
        mouseButtons(mouse->buttons(), mouse->modifiers());
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        mouseButtons(mouse->buttons(), mouse->modifiers());
        break;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return key(event);
    case QEvent::DragMove: refresh(); break;
    default: break;
    }
    return false;
}

void KeyFilter::mouseButtons(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    m_leftDown = buttons.testFlag(Qt::LeftButton);
    m_rightDown = buttons.testFlag(Qt::RightButton);
    m_shift = modifiers.testFlag(Qt::ShiftModifier);
    m_ctrl = modifiers.testFlag(Qt::ControlModifier);
    refresh();
}

void KeyFilter::doubleClick(Qt::MouseButton button)
{
    m_leftDouble = button == Qt::LeftButton;
    m_rightDouble = button == Qt::RightButton;
    m_doubleClickTime = QTime::currentTime();
    m_timer->start(1000);
}

bool KeyFilter::key(QEvent* event)
{
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    const int code = keyEvent->key();
    m_shift = code == Qt::Key_Shift ? press : keyEvent->modifiers().testFlag(Qt::ShiftModifier);
    m_ctrl = code == Qt::Key_Control ? press : keyEvent->modifiers().testFlag(Qt::ControlModifier);
    if (code == Qt::Key_Delete)
        m_delete = press;
    if (code == Qt::Key_Escape)
        m_escape = press;
    if (code >= Qt::Key_1 && code <= Qt::Key_9 && m_ctrl) {
        Q_EMIT changeProgram(code - Qt::Key_0);
        return true;
    }
    refresh();
    return false;
}

void KeyFilter::timerTimeout()
{
    if (m_doubleClickTime.msecsTo(QTime::currentTime()) > 1000) {
        m_leftDouble = false;
        m_rightDouble = false;
    }
    refresh();
}

void KeyFilter::refresh()
{
    m_overlay->move(QCursor::pos() + QPoint(15, -15));
    if (!anyFlagSet()) {
        m_overlay->hide();
        return;
    }
    if (demoMode) {
        // Sized before showing: a widget of no size would never get its paint event.
        m_overlay->resize(m_overlay->tileCount() * DemoWidget::cellWidth, DemoWidget::cellHeight);
        m_overlay->update();
        m_overlay->show();
    }
}
