#include "CameraCenter.h"

#include <mutex>

CameraCenter::CameraCenter()
{
    for (auto format : {ColorFormat_t::RGB, ColorFormat_t::YCbCr, ColorFormat_t::HSV, ColorFormat_t::HLS})
        m_users[format] = 0;
}

CameraCenter::~CameraCenter() = default;

CameraCenter& CameraCenter::current()
{
    static CameraCenter center;
    return center;
}

void CameraCenter::addUser(ColorFormat_t::colorFormat_t format)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    ++m_users[format];
}

void CameraCenter::removeUser(ColorFormat_t::colorFormat_t format)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    int& count = m_users[format];
    if (count != 0)
        --count;
}

QList<ColorFormat_t::colorFormat_t> CameraCenter::requestedFormats() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    QList<ColorFormat_t::colorFormat_t> formats;
    for (const auto& [format, count] : m_users) {
        if (count != 0)
            formats << format;
    }
    return formats;
}

int CameraCenter::numberOfUsers() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    int sum = 0;
    for (const auto& entry : m_users)
        sum += entry.second;
    return sum;
}

void CameraCenter::parameterChanged_Slot(const CameraParameters& parameters)
{
    m_parameters = parameters;
    if (m_send)
        m_send();
    emit parameterChanged(m_parameters);
}
