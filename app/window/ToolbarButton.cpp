#include "ToolbarButton.h"

#include "ShellPictures.h"

#include <QPainter>

ToolbarButton::ToolbarButton(const QString& pressed, const QString& notPressed, const QString& disabled,
                             const QString& pressedActive, const QString& notPressedActive, QWidget* parent)
    : QToolButton(parent)
    , m_pressed(shellPicture(pressed))
    , m_notPressed(shellPicture(notPressed))
    , m_disabled(shellPicture(disabled))
    , m_pressedActive(shellPicture(pressedActive))
    , m_notPressedActive(shellPicture(notPressedActive))
{
    setCheckable(true);
    setFixedSize(29, 24);
}

const QPixmap& ToolbarButton::currentPicture() const
{
    if (!isEnabled())
        return m_disabled;
    if (isChecked())
        return m_hover ? m_pressedActive : m_pressed;
    return m_hover ? m_notPressedActive : m_notPressed;
}

void ToolbarButton::enterEvent(QEnterEvent* event)
{
    m_hover = true;
    update();
    QToolButton::enterEvent(event);
}

void ToolbarButton::leaveEvent(QEvent* event)
{
    m_hover = false;
    update();
    QToolButton::leaveEvent(event);
}

void ToolbarButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, currentPicture());
}
