#include "DorvanLink.h"

#include "RobotPictures.h"

#include <QDesktopServices>

const QUrl DorvanLink::webPage(QStringLiteral("https://www.dorvan-robotics.example/"));

DorvanLink::DorvanLink(QWidget* parent) : QLabel(parent)
{
    setPixmap(RobotPictures::pixmap(QStringLiteral("DorvanLogo20.png")));
    setAlignment(Qt::AlignCenter);
}

void DorvanLink::enterEvent(QEnterEvent*)
{
    setCursor(Qt::PointingHandCursor);
}

void DorvanLink::leaveEvent(QEvent*)
{
    setCursor(Qt::ArrowCursor);
}

void DorvanLink::mousePressEvent(QMouseEvent*)
{
    QDesktopServices::openUrl(webPage);
}
