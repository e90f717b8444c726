#include "ChartPictures.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>

QPixmap ChartPictures::paint(const QString& name)
{
    QImage picture(side, side, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (name == QLatin1String("startnode.png"))
        paintStart(painter);
    else if (name == QLatin1String("stateblock.png"))
        paintProgram(painter, false);
    else if (name == QLatin1String("stateblock_run.png"))
        paintProgram(painter, true);
    else if (name == QLatin1String("sync_and.png"))
        paintSync(painter, QStringLiteral("&"));
    else if (name == QLatin1String("sync_or.png"))
        paintSync(painter, QStringLiteral("\u22651"));
    else
        return QPixmap();
    painter.end();
    return QPixmap::fromImage(picture);
}

void ChartPictures::paintStart(QPainter& painter)
{
    painter.setPen(QPen(QColor(0, 100, 0), 1.5));
    painter.setBrush(QColor(60, 180, 75));
    painter.drawEllipse(QRectF(2, 2, 21, 21));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygon({QPoint(10, 7), QPoint(18, 12), QPoint(10, 18)}));
}

void ChartPictures::paintProgram(QPainter& painter, bool running)
{
    // A small block diagram: a program of blocks joined by a line.
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(running ? QColor(255, 235, 150) : QColor(240, 240, 240));
    painter.drawRect(QRectF(1.5, 1.5, 22, 22));
    painter.setBrush(QColor(0, 147, 221));
    painter.drawRect(QRectF(4.5, 5.5, 6, 6));
    painter.drawRect(QRectF(14.5, 13.5, 6, 6));
    painter.drawLine(QPointF(10.5, 8.5), QPointF(17.5, 13.5));
    if (!running)
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 160, 0));
    painter.drawPolygon(QPolygon({QPoint(4, 14), QPoint(11, 18), QPoint(4, 22)}));
}

void ChartPictures::paintSync(QPainter& painter, const QString& label)
{
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRect(QRectF(1.5, 1.5, 22, 22));
    painter.setBrush(QColor(40, 40, 40));
    painter.drawRect(QRectF(3.5, 3.5, 3, 18));
    QFont font = painter.font();
    font.setPixelSize(label.size() > 1 ? 9 : 11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(7, 2, 17, 21), Qt::AlignCenter, label);
}
