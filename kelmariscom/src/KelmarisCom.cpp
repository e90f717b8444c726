#include "KelmarisCom.h"

#include "LinkConnection.h"

KelmarisCom::KelmarisCom() : d(std::make_unique<Private>())
{
}

KelmarisCom::~KelmarisCom()
{
    d->shutDown();
}

void KelmarisCom::setErrorCallback(ErrorCallback callback, void* user)
{
    d->callbacks.setError(callback, user);
}

void KelmarisCom::setConnectedCallback(Callback callback, void* user)
{
    d->callbacks.setConnected(callback, user);
}

void KelmarisCom::setConnectionClosedCallback(Callback callback, void* user)
{
    d->callbacks.setClosed(callback, user);
}

void KelmarisCom::setKelmarisInfoReceivedCallback(Callback callback, void* user)
{
    d->callbacks.setInfo(callback, user);
}

KelmarisComState::kelmarisComState_t KelmarisCom::state() const
{
    return d->state();
}

bool KelmarisCom::init(bool enable)
{
    return enable && d->state() == KelmarisComState::Idle;
}

void KelmarisCom::connectToHost(std::string host)
{
    d->connectToHost(host);
}

void KelmarisCom::close()
{
    d->close();
}

bool KelmarisCom::isConnected() const
{
    return d->state() == KelmarisComState::Connected;
}

void KelmarisCom::setShutdown()
{
    d->sendShutdown();
}

KelmarisInfo KelmarisCom::kelmarisInfo() const
{
    return d->data.info();
}

unsigned KelmarisCom::imagePort() const
{
    return d->imagePort.load();
}

void KelmarisCom::setImagePort(unsigned port)
{
    if (port > 0 && port <= 65535)
        d->imagePort.store(port);
}

unsigned KelmarisCom::timeout() const
{
    return Private::silenceTimeoutMs;
}

void KelmarisCom::stopAsyncCommunication()
{
    d->asyncCommunication.store(false);
}

void KelmarisCom::startAsyncCommunication()
{
    d->asyncCommunication.store(true);
}

bool KelmarisCom::receiveIoStatus(bool wait)
{
    return d->exchange(wait);
}

void KelmarisCom::setImageRequest(bool on)
{
    d->imageRequest.store(on);
}

unsigned KelmarisCom::serialLineFrequency() const
{
    return d->data.serialLineFrequency();
}

unsigned KelmarisCom::numDigitalInput() const
{
    return d->data.counts().digitalInputs;
}

bool KelmarisCom::digitalInput(std::string name) const
{
    return d->data.digitalInput(name);
}

void KelmarisCom::setDigitalOutput(std::string name, bool on)
{
    d->data.setDigitalOutput(name, on);
}

unsigned KelmarisCom::numADC() const
{
    return d->data.counts().analogInputs;
}

float KelmarisCom::analogInput(unsigned index) const
{
    return d->data.analogInput(index);
}

bool KelmarisCom::bumper() const
{
    return d->data.bumper();
}

float KelmarisCom::voltageBatt1plus2() const
{
    return d->data.battery();
}

float KelmarisCom::current() const
{
    return d->data.current();
}

unsigned KelmarisCom::numDistanceSensors() const
{
    return d->data.counts().distanceSensors;
}

float KelmarisCom::distance(unsigned sensor) const
{
    return d->data.distance(sensor);
}

unsigned KelmarisCom::numMotors() const
{
    return d->data.counts().motors;
}

void KelmarisCom::setBrake(unsigned motor, bool on)
{
    d->data.setMotorCommand(KelmarisProtocol::Brake, motor, on ? 1.0f : 0.0f);
}

void KelmarisCom::addVelocity(unsigned motor, float rpm, float priority)
{
    d->data.setMotorCommand(KelmarisProtocol::Velocity, motor, rpm, priority);
}

void KelmarisCom::setKp(unsigned motor, float kp)
{
    d->data.setMotorCommand(KelmarisProtocol::Kp, motor, kp);
}

void KelmarisCom::setKi(unsigned motor, float ki)
{
    d->data.setMotorCommand(KelmarisProtocol::Ki, motor, ki);
}

void KelmarisCom::setKd(unsigned motor, float kd)
{
    d->data.setMotorCommand(KelmarisProtocol::Kd, motor, kd);
}

void KelmarisCom::resetPosition(unsigned motor, bool reset)
{
    d->data.setMotorCommand(KelmarisProtocol::ResetPosition, motor, reset ? 1.0f : 0.0f);
}

float KelmarisCom::actualVelocity(unsigned motor) const
{
    return d->data.motor(motor).velocity;
}

int KelmarisCom::position(unsigned motor) const
{
    return d->data.motor(motor).position;
}

int KelmarisCom::adc(std::string name) const
{
    return d->data.motorCurrent(name);
}

NorthStarReadings KelmarisCom::northStarReadings() const
{
    return d->data.northStar();
}

void KelmarisCom::setNorthStarCommand(const NorthStarCommand& command)
{
    d->data.setNorthStarCommand(command);
}

KelmarisCameraParameters KelmarisCom::cameraParameters() const
{
    return d->data.cameraParameters();
}

void KelmarisCom::setCameraParameters(const KelmarisCameraParameters& parameters)
{
    d->sendCameraParameters(parameters);
}

const KelmarisImage* KelmarisCom::lockImage()
{
    return d->frames.lock();
}

void KelmarisCom::unlockImage()
{
    d->frames.unlock();
}
