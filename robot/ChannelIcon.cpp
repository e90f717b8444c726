#include "ChannelIcon.h"

#include "EmbeddedImages.h"
#include "ShellServices.h"

#include <QFont>
#include <QPainter>

namespace ChannelIcon {

namespace {
constexpr int fallbackSize = 32;
}

QPixmap picture(const QString& name)
{
    QPixmap image = EmbeddedImages::pixmap(name);
    if (image.isNull()) {
        image = QPixmap(fallbackSize, fallbackSize);
        image.fill(QColor(0xe8, 0xe8, 0xe8));
    }
    return image;
}

QPixmap numbered(const QString& baseName, unsigned number, int pointSize, Placement placement)
{
    QPixmap image = picture(baseName);
    QPainter painter(&image);
    QFont font(applicationFontFamily);
    font.setPointSize(pointSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    int flags = Qt::AlignHCenter | Qt::AlignBottom;
    if (placement == BottomRight)
        flags = Qt::AlignRight | Qt::AlignBottom;
    else if (placement == RightCentre)
        flags = Qt::AlignRight | Qt::AlignVCenter;
    painter.drawText(image.rect(), flags, QString::number(number));
    return image;
}

} // namespace ChannelIcon
