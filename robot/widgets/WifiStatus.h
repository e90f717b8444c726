#pragma once

#include "WifiStatusTip.h"

#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QToolButton>

#include <memory>

// The connection status button: animated while connecting, green while connected,
// orange in passive mode, crossed out without a connection. Pressing it connects or
// disconnects; its own switching on and off by the connection's signals does not.
class WifiStatus : public QToolButton
{
    Q_OBJECT

public:
    static constexpr int animationMs = 500;

    explicit WifiStatus(QWidget* parent = nullptr);
    ~WifiStatus() override;

    QString statusText() const { return m_statusText; }

public Q_SLOTS:
    void connecting();
    void connected();
    void connectionClosed();
    void passiveMode();
    void timer_timeout();
    void toggled_Slot(bool on);

protected:
    bool event(QEvent* event) override;

private:
    void showPicture(const QPixmap& picture);
    void setCheckedQuietly(bool on);

    QPixmap animation[3];
    QPixmap disconnected;
    QPixmap passive;
    int index = 0;
    QTimer* timer;
    QString m_statusText;
    std::unique_ptr<WifiStatusTip> tip;
};
