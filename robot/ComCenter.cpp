#include "ComCenter.h"

#include "ComCenterCamera.h"
#include "ComCenterConnectedEvent.h"
#include "ComCenterConnectionClosedEvent.h"
#include "ComCenterErrorEvent.h"
#include "ComCenterKelmarisInfoEvent.h"
#include "KelmarisCom.h"
#include "StateProcessor.h"
#include "StateProcessorStartEvent.h"
#include "StateProcessorStopEvent.h"
#include "ThreadHandOver.h"

#include <QCoreApplication>

ComCenter* comCenter = nullptr;
std::atomic<unsigned> serialLineRate {0};
std::atomic<unsigned> lastImageSize {0};

KelmarisCom& robotLink()
{
    static KelmarisCom idle;
    ComCenter* centre = comCenter;
    return centre ? *centre->com() : idle;
}

ComCenter::ComCenter() : link(std::make_unique<KelmarisCom>())
{
    link->setErrorCallback(&ComCenter::onError, this);
    link->setConnectedCallback(&ComCenter::onConnected, this);
    link->setConnectionClosedCallback(&ComCenter::onConnectionClosed, this);
    link->setKelmarisInfoReceivedCallback(&ComCenter::onKelmarisInfoReceived, this);
    reconnectTimer.setSingleShot(true);
    reconnectTimer.setInterval(reconnectPauseMs);
    connect(&reconnectTimer, &QTimer::timeout, this, [this] {
        if (m_autoReconnect)
            connectToHost();
    });
    ComCenterServices::install(this);
}

ComCenter::~ComCenter()
{
    ComCenterServices::install(nullptr);
    // Without callbacks, so nothing is posted to an object that is going away.
    link.reset();
    QCoreApplication::removePostedEvents(this);
}

void ComCenter::connectToHost()
{
    if (link->state() != KelmarisComState::Idle)
        return;
    if (!link->init(true))
        return;
    link->connectToHost(m_hostName.toLatin1().toStdString());
    Q_EMIT connecting();
}

void ComCenter::close()
{
    reconnectTimer.stop();
    imageLoopActive.store(false);
    link->close();
}

void ComCenter::setHostName(const QString& name)
{
    m_hostName = name;
}

void ComCenter::addHostname(const QString& name)
{
    m_hostnameList.prepend(name);
    m_hostName = name;
}

void ComCenter::clearHostnameList()
{
    m_hostName = QString();
    m_hostnameList.clear();
    Q_EMIT hostnameListChanged(m_hostnameList);
}

bool ComCenter::isConnected() const
{
    return link->isConnected();
}

void ComCenter::setAutoReconnect(bool on)
{
    m_autoReconnect = on;
    if (!on)
        reconnectTimer.stop();
}

void ComCenter::setShutdown()
{
    link->setShutdown();
}

void ComCenter::setImagePort(unsigned port)
{
    link->setImagePort(port);
}

unsigned ComCenter::imagePort() const
{
    return link->imagePort();
}

void ComCenter::applyCameraParameters()
{
    KelmarisCameraParameters record = link->cameraParameters();
    const ComCenterCamera::Parameters chosen = cameraSide().parameters();
    if (chosen.imageSize == 0 || chosen.imageSize == 1)
        record.resolution = static_cast<unsigned char>(chosen.imageSize);
    record.compression = chosen.imageQuality == 0 ? 1 : 0;
    record.brightness = static_cast<unsigned char>(chosen.brightness & 0xFF);
    record.contrast = static_cast<unsigned char>(chosen.contrast & 0xFF);
    link->setCameraParameters(record);
}

QString ComCenter::errorMessage(int code) const
{
    switch (code) {
    case 1: return QCoreApplication::translate("MainWindow", "Connection refused.");
    case 2: return QCoreApplication::translate("MainWindow", "Writing to socket failed.");
    case 3: return QCoreApplication::translate("MainWindow", "Reading from socket failed.");
    case 4: return QCoreApplication::translate("MainWindow", "Creating image server socket failed.");
    case 5:
        return QCoreApplication::translate("MainWindow", "Binding image server to port %1 failed.", "%1:portnumber")
            .arg(link->imagePort());
    case 6:
        return QCoreApplication::translate("MainWindow",
                                           "Kelmaris has not been sending anything for more than %1 milliseconds.")
            .arg(link->timeout());
    case 7: return QCoreApplication::translate("MainWindow", "Kelmaris is already in use.");
    case 9: return QCoreApplication::translate("MainWindow", "DNS lookup of %1 failed.").arg(m_hostName);
    case 11: return QCoreApplication::translate("MainWindow", "Winsock2 initialisation failes.");
    default: return QCoreApplication::translate("MainWindow", "Communication error.");
    }
}

void ComCenter::setCamera(ComCenterCamera* side)
{
    camera.store(side);
}

ComCenterCamera& ComCenter::cameraSide() const
{
    static ComCenterCamera none;
    ComCenterCamera* side = camera.load();
    return side ? *side : none;
}

void ComCenter::exchangeIo()
{
    link->setImageRequest(cameraSide().numberOfUsers() > 0);
    serialLineRate.store(link->serialLineFrequency());
    link->receiveIoStatus(true);
}

void ComCenter::receiveImage()
{
    cameraSide().receiveImage(*link, imageLoopActive);
}

void ComCenter::endImageLoop()
{
    imageLoopActive.store(false);
    cameraSide().endImageLoop();
}

QObject* ComCenter::eventReceiver() const
{
    return const_cast<ComCenter*>(this);
}

void ComCenter::onConnected(void* user)
{
    postHandOver(static_cast<ComCenter*>(user), new ComCenterConnectedEvent);
}

void ComCenter::onError(void* user, int code)
{
    postHandOver(static_cast<ComCenter*>(user), new ComCenterErrorEvent(code));
}

void ComCenter::onConnectionClosed(void* user)
{
    postHandOver(static_cast<ComCenter*>(user), new ComCenterConnectionClosedEvent);
}

void ComCenter::onKelmarisInfoReceived(void* user)
{
    postHandOver(static_cast<ComCenter*>(user), new ComCenterKelmarisInfoEvent);
}

void ComCenter::customEvent(QEvent* event)
{
    receiveHandOver(event);
    switch (static_cast<int>(event->type())) {
    case ComCenterConnectedEvent::eventType: handleConnected(); break;
    case ComCenterConnectionClosedEvent::eventType: handleClosed(); break;
    case ComCenterErrorEvent::eventType: handleError(static_cast<ComCenterErrorEvent*>(event)->code()); break;
    case StateProcessorStartEvent::eventType: link->stopAsyncCommunication(); break;
    case StateProcessorStopEvent::eventType:
        imageLoopActive.store(false);
        link->startAsyncCommunication();
        break;
    case ComCenterKelmarisInfoEvent::eventType: handleInfo(); break;
    default: break;
    }
}

// The exchange mode is chosen here rather than on the link's thread, which must not be the
// one to bring the process-wide engine into being.
void ComCenter::handleConnected()
{
    if (isAnyStateRunning())
        link->stopAsyncCommunication();
    else
        link->startAsyncCommunication();
    ++m_connectionCount;
    m_hostnameList.removeOne(m_hostName);
    m_hostnameList.prepend(m_hostName);
    Q_EMIT hostnameListChanged(m_hostnameList);
    Q_EMIT connected();
}

void ComCenter::handleClosed()
{
    if (m_autoReconnect)
        connectToHost();
    else
        Q_EMIT connectionClosed();
}

void ComCenter::handleError(int code)
{
    if (m_autoReconnect) {
        imageLoopActive.store(false);
        link->close();
        reconnectTimer.start();
    } else {
        Q_EMIT error(code);
    }
}

void ComCenter::handleInfo()
{
    if (link->kelmarisInfo().passive)
        Q_EMIT passiveMode();
}
