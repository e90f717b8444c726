#include "LabelPixmap.h"

#include "ShellServices.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

QPixmap renderLabelPixmap(const QString& text)
{
    QFont font(applicationFontFamily);
    font.setPointSize(7);
    const int width = QFontMetrics(font).boundingRect(QRect(0, 0, 200, 9), Qt::AlignCenter, text).width() + 6;

    QPixmap label(width, 11);
    label.fill(Qt::transparent);
    QPainter painter(&label);
    painter.setFont(font);
    const QRect box(0, 0, width, 11);
    painter.fillRect(box, QColor(255, 255, 222));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(QRect(QPoint(3, 1), QPoint(width - 4, 10)), Qt::AlignCenter, text);
    return label;
}
