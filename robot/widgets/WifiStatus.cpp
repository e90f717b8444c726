#include "WifiStatus.h"

#include "ComCenter.h"
#include "RobotConnection.h"
#include "RobotPictures.h"

#include <QHelpEvent>
#include <QToolTip>

QRect WifiStatusTip::tipArea(const QPoint& position) const
{
    const QRect square(button.width() - tipSize, 0, tipSize, tipSize);
    return square.contains(position) ? square : QRect();
}

void WifiStatusTip::maybeTip(const QPoint& position) const
{
    const QRect area = tipArea(position);
    if (area.isEmpty() || button.statusText().isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(button.mapToGlobal(position), button.statusText(), const_cast<WifiStatus*>(&button), area);
}

namespace {
QString hostName()
{
    return comCenter ? comCenter->hostName() : QString();
}
} // namespace

WifiStatus::WifiStatus(QWidget* parent)
    : QToolButton(parent), timer(new QTimer(this)), tip(std::make_unique<WifiStatusTip>(*this))
{
    animation[0] = RobotPictures::pixmap(QStringLiteral("wifi_connect1.png"));
    animation[1] = RobotPictures::pixmap(QStringLiteral("wifi_connect2.png"));
    animation[2] = RobotPictures::pixmap(QStringLiteral("wifi_connect3.png"));
    disconnected = RobotPictures::pixmap(QStringLiteral("wifi_disconnect.png"));
    passive = RobotPictures::pixmap(QStringLiteral("wifi_connect3passive.png"));
    timer->setInterval(animationMs);
    connect(timer, &QTimer::timeout, this, &WifiStatus::timer_timeout);
    if (comCenter) {
        connect(comCenter, &ComCenter::connecting, this, &WifiStatus::connecting);
        connect(comCenter, &ComCenter::connected, this, &WifiStatus::connected);
        connect(comCenter, &ComCenter::connectionClosed, this, &WifiStatus::connectionClosed);
        connect(comCenter, &ComCenter::passiveMode, this, &WifiStatus::passiveMode);
        connect(comCenter, &ComCenter::error, this, &WifiStatus::connectionClosed);
    }
    setCheckable(true);
    setAutoRaise(true);
    setIconSize(disconnected.size());
    showPicture(disconnected);
    connect(this, &QToolButton::toggled, this, &WifiStatus::toggled_Slot);
}

WifiStatus::~WifiStatus() = default;

void WifiStatus::showPicture(const QPixmap& picture)
{
    setIcon(QIcon(picture));
}

// Switching by the connection's own signals must not run the command of a click again.
void WifiStatus::setCheckedQuietly(bool on)
{
    const QSignalBlocker quiet(this);
    setChecked(on);
}

void WifiStatus::connecting()
{
    setCheckedQuietly(true);
    //: 1:hostname
    m_statusText = QObject::tr("Connecting to %1.").arg(hostName());
    timer->start();
}

void WifiStatus::timer_timeout()
{
    showPicture(animation[index]);
    index = (index + 1) % 3;
}

void WifiStatus::connected()
{
    //: Netzwerkverbindung zu %1 aktiv.
    m_statusText = QObject::tr("Connection to %1 active.").arg(hostName());
    timer->stop();
    showPicture(animation[2]);
}

void WifiStatus::connectionClosed()
{
    //: Keine Netzwerkverbindung etabliert.
    m_statusText = QObject::tr("Not connected.");
    timer->stop();
    showPicture(disconnected);
    setCheckedQuietly(false);
}

void WifiStatus::passiveMode()
{
    m_statusText = QObject::tr("Connected to %1 in passive mode.").arg(hostName());
    showPicture(passive);
}

void WifiStatus::toggled_Slot(bool on)
{
    if (on)
        RobotConnection::connectRobot();
    else
        RobotConnection::disconnectRobot();
}

bool WifiStatus::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        tip->maybeTip(static_cast<QHelpEvent*>(event)->pos());
        return true;
    }
    return QToolButton::event(event);
}
