#include "Category.h"

#include "ShellPictures.h"
#include "ToolButton.h"

#include <QButtonGroup>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

Category::Category(QWidget* parent, const QString& title, const QString& iconName)
    : QObject(nullptr)
    , m_page(new QWidget(parent))
    , m_layout(new QVBoxLayout(m_page))
    , m_group(new QButtonGroup(m_page))
    , m_title(title)
{
    if (!iconName.isEmpty())
        m_icon = QIcon(shellPicture(iconName));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch(1);
    m_page->setAutoFillBackground(true);
    QPalette colours = m_page->palette();
    colours.setColor(QPalette::Window, Qt::white);
    m_page->setPalette(colours);
    m_group->setExclusive(false);
}

ToolButton* Category::addButton(const NodeType& type, int id)
{
    auto* button = new ToolButton(m_page, type);
    button->setText(type.subtypeName());
    button->setToolTip(type.subtypeName());
    const QPixmap icon = type.icon();
    const qreal ratio = icon.isNull() ? 1.0 : icon.devicePixelRatio();
    const QSize logical = icon.isNull() ? QSize(16, 16) : icon.deviceIndependentSize().toSize();
    QPixmap framed((logical + QSize(2, 2)) * ratio);
    framed.setDevicePixelRatio(ratio);
    framed.fill(Qt::transparent);
    {
        QPainter painter(&framed);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, logical.width() + 1, logical.height() + 1);
        if (!icon.isNull())
            painter.drawPixmap(1, 1, icon);
    }
    button->setIcon(QIcon(framed));
    button->setIconSize(logical + QSize(2, 2));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_layout->insertWidget(m_layout->count() - 1, button);
    m_group->addButton(button, id);
    button->show();
    return button;
}

ToolButton* Category::buttonById(int id) const
{
    return qobject_cast<ToolButton*>(m_group->button(id));
}

int Category::buttonCount() const
{
    return static_cast<int>(m_group->buttons().size());
}
