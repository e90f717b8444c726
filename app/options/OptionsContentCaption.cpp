#include "OptionsContentCaption.h"

#include "ShellPictures.h"
#include "ShellServices.h"

#include <QPainter>

OptionsContentCaption::OptionsContentCaption(QWidget* parent)
    : QWidget(parent), m_background(shellPicture(QStringLiteral("optionscontentcaption.png")))
{
    setObjectName(QStringLiteral("optionscontentcaption"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedHeight(20);
}

void OptionsContentCaption::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void OptionsContentCaption::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
    QFont font(applicationFontFamily, 9);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(rect().translated(10, 0), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}
