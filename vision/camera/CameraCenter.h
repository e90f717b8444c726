#pragma once

#include "CameraParameters.h"
#include "ColorFormat.h"

#include <QList>
#include <QObject>
#include <mutex>

#include <functional>
#include <map>

// The process-wide hub of the camera: the settings sent to the robot, and per colour format
// the number of running camera blocks that want images.
class CameraCenter : public QObject
{
    Q_OBJECT

public:
    CameraCenter();
    ~CameraCenter() override;

    static CameraCenter& current();

    // GUI thread. The settings record: the robot link reads it, camera blocks copy and load it.
    CameraParameters* parameters() { return &m_parameters; }
    // Any thread that starts or stops a camera block.
    void addUser(ColorFormat_t::colorFormat_t format);
    void removeUser(ColorFormat_t::colorFormat_t format);
    // Image thread: the formats with users, in ascending order.
    QList<ColorFormat_t::colorFormat_t> requestedFormats() const;
    // Engine thread, every cycle: all users together.
    int numberOfUsers() const;

    // How the settings reach the robot (the robot link's applyCameraParameters); none by default.
    void setParameterSender(std::function<void()> send) { m_send = std::move(send); }

signals:
    void parameterChanged(const CameraParameters& parameters);

public slots:
    // Stores the values, sends them to the robot and tells every camera dialog, even when
    // nothing changed.
    void parameterChanged_Slot(const CameraParameters& parameters);

private:
    mutable std::mutex m_mutex;
    CameraParameters m_parameters;
    std::map<ColorFormat_t::colorFormat_t, int> m_users;
    std::function<void()> m_send;
};
