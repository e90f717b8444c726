#pragma once

#include "ComCenterServices.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <memory>

class ComCenterCamera;
class KelmarisCom;

// drasvel's one gateway to the robot: owns the link, keeps the robot's host name and
// the address history, turns the link's callbacks (on link threads) into events handled
// in the GUI thread and signals, reconnects when asked to, and runs the input/output
// exchange of every engine cycle. While it exists it is the engine's ComCenterServices.
class ComCenter : public QObject, public ComCenterServices
{
    Q_OBJECT

public:
    // A refused or failed automatic reconnection waits this long before the next attempt.
    static constexpr int reconnectPauseMs = 500;

    ComCenter();
    ~ComCenter() override;

    // GUI and engine thread.
    KelmarisCom* com() const { return link.get(); }

    void connectToHost();
    void close();
    void setHostName(const QString& name);
    QString hostName() const { return m_hostName; }
    QStringList hostnameList() const { return m_hostnameList; }
    void addHostname(const QString& name);
    void clearHostnameList();
    bool isConnected() const;
    unsigned connectionCount() const { return m_connectionCount; }
    void setAutoReconnect(bool on);
    bool autoReconnect() const { return m_autoReconnect; }
    void setShutdown();
    void setImagePort(unsigned port);
    unsigned imagePort() const;
    void applyCameraParameters();
    // The main window's message for a link error code.
    QString errorMessage(int code) const;

    // Not owned; null puts the default back.
    void setCamera(ComCenterCamera* camera);

    // ComCenterServices
    void exchangeIo() override;
    void receiveImage() override;
    void endImageLoop() override;
    QObject* eventReceiver() const override;

    static void onConnected(void* user);
    static void onError(void* user, int code);
    static void onConnectionClosed(void* user);
    static void onKelmarisInfoReceived(void* user);

Q_SIGNALS:
    void connecting();
    void connected();
    void error(int code);
    void connectionClosed();
    void hostnameListChanged(const QStringList& list);
    void passiveMode();

protected:
    void customEvent(QEvent* event) override;

private:
    void handleConnected();
    void handleError(int code);
    void handleClosed();
    void handleInfo();
    ComCenterCamera& cameraSide() const;

    // Cleared to end the camera side's wait for a frame; set again by the wait that the stop ends.
    std::atomic<bool> imageLoopActive {true};
    QString m_hostName {QLatin1String("")};
    QStringList m_hostnameList;
    unsigned m_connectionCount = 0;
    bool m_autoReconnect = false;
    QTimer reconnectTimer;
    std::atomic<ComCenterCamera*> camera {nullptr};
    std::unique_ptr<KelmarisCom> link;
};

// The one ComCenter; main() creates and deletes it.
extern ComCenter* comCenter;
// The link robot blocks talk to: the ComCenter's, or an idle one (reads 0, ignores
// commands) while there is none, as in tests and the workspace runner.
KelmarisCom& robotLink();

// The robot's serial-line update rate of the last cycle, in Hz; the frequency display reads it.
extern std::atomic<unsigned> serialLineRate;
// Bytes of the last camera frame taken from the link; the frequency display reads it.
extern std::atomic<unsigned> lastImageSize;
