#include "ToolButton.h"

#include "AppGlobals.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {
ToolButton::DragRunner& dragRunner()
{
    static ToolButton::DragRunner runner = [](QDrag* drag) { return drag->exec(Qt::CopyAction); };
    return runner;
}
} // namespace

ToolButton::ToolButton(QWidget* parent, const NodeType& type) : QToolButton(parent), m_type(type)
{
    setFont(QFont(applicationFontFamily, 8));
    setAutoFillBackground(true);
    setBackground(Qt::white);
}

void ToolButton::setDragRunner(DragRunner runner)
{
    dragRunner() = runner ? std::move(runner) : [](QDrag* drag) { return drag->exec(Qt::CopyAction); };
}

void ToolButton::setBackground(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Button, colour);
    colours.setColor(QPalette::Window, colour);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(colours);
}

void ToolButton::enterEvent(QEnterEvent* event)
{
    setBackground(QColor(216, 220, 225));
    // F1 then opens the page of the block under the mouse.
    helpContextId = m_type.helpId();
    QToolButton::enterEvent(event);
}

void ToolButton::leaveEvent(QEvent* event)
{
    setBackground(Qt::white);
    QToolButton::leaveEvent(event);
}

void ToolButton::paintEvent(QPaintEvent*)
{
    // Only icon and text: the button stays flat but for its background.
    QStylePainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.state &= ~(QStyle::State_Sunken | QStyle::State_Raised | QStyle::State_HasFocus);
    option.rect = rect();
    painter.drawControl(QStyle::CE_ToolButtonLabel, option);
}

void ToolButton::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton || rect().contains(event->position().toPoint()))
        return;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(NodeType::mimeType), m_type.toByteArray());
    drag->setMimeData(data);
    drag->setPixmap(icon().pixmap(iconSize()));
    dragRunner()(drag);
    // The drag swallowed the release; without this the button stays pressed.
    QMouseEvent release(QEvent::MouseButtonRelease, event->position(), event->globalPosition(), Qt::LeftButton,
                        Qt::NoButton, event->modifiers());
    mouseReleaseEvent(&release);
    setDown(false);
}
