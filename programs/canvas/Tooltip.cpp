#include "Tooltip.h"

#include "ShellServices.h"

#include <QFont>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QPainter>

Tooltip::Tooltip(QGraphicsScene* canvas)
{
    setVisible(false);
    if (canvas)
        canvas->addItem(this);
    setZValue(tipZ);
    setPen(Qt::NoPen);
}

void Tooltip::setText(const QString& text)
{
    QFont font(applicationFontFamily);
    font.setPointSize(8);
    const QFontMetrics metrics(font);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, 400, 60), Qt::AlignCenter, text);
    const int width = bounds.width() + 6;
    const int height = bounds.height() + 6;

    QPixmap label(qMax(400, width), qMax(60, height));
    label.fill(Qt::transparent);
    QPainter painter(&label);
    painter.setFont(font);
    const QRect box(0, 0, width, height);
    painter.fillRect(box, QColor(255, 255, 222));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(QRect(3, 3, bounds.width(), bounds.height()), Qt::AlignCenter, text);
    painter.end();
    m_pixmap = label.copy(0, 0, width, height);
    setRect(0, 0, width, height);
    update();
}

void Tooltip::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->drawPixmap(0, 0, m_pixmap);
}
