#include "RobotPictures.h"

#include "EmbeddedImages.h"

#include <QPainter>
#include <QPen>

namespace RobotPictures {

namespace {

constexpr int side = 32;

// Signal arcs: how many are lit and in which colour.
QPixmap drawnWifi(int litArcs, const QColor& colour, bool crossed)
{
    QPixmap image(side, side);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF base(side / 2.0, side - 6.0);
    for (int arc = 1; arc <= 3; ++arc) {
        painter.setPen(QPen(arc <= litArcs ? colour : QColor(190, 190, 190), 3, Qt::SolidLine, Qt::RoundCap));
        const double r = 7.0 * arc;
        painter.drawArc(QRectF(base.x() - r, base.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    painter.setBrush(litArcs > 0 ? colour : QColor(150, 150, 150));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(base, 3.0, 3.0);
    if (crossed) {
        painter.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(6, 6), QPointF(side - 6, side - 6));
    }
    return image;
}

QPixmap drawnLogo()
{
    QPixmap image(90, 20);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(20, 90, 160));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, 90, 20), 4, 4);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("DORVAN"));
    return image;
}

} // namespace

QPixmap pixmap(const QString& name)
{
    const QPixmap embedded = EmbeddedImages::pixmap(name);
    if (!embedded.isNull())
        return embedded;
    const QColor green(40, 160, 60);
    if (name == QLatin1String("wifi_connect1.png"))
        return drawnWifi(1, green, false);
    if (name == QLatin1String("wifi_connect2.png"))
        return drawnWifi(2, green, false);
    if (name == QLatin1String("wifi_connect3.png"))
        return drawnWifi(3, green, false);
    if (name == QLatin1String("wifi_connect3passive.png"))
        return drawnWifi(3, QColor(230, 150, 20), false);
    if (name == QLatin1String("wifi_disconnect.png"))
        return drawnWifi(0, green, true);
    if (name == QLatin1String("DorvanLogo20.png"))
        return drawnLogo();
    return embedded;
}

} // namespace RobotPictures
