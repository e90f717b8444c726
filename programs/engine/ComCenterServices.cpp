#include "ComCenterServices.h"

#include <atomic>

namespace {

ComCenterServices& defaultServices()
{
    static ComCenterServices services;
    return services;
}

std::atomic<ComCenterServices*> installedServices {nullptr};

} // namespace

ComCenterServices::~ComCenterServices() = default;

void ComCenterServices::exchangeIo()
{
}

void ComCenterServices::receiveImage()
{
}

void ComCenterServices::endImageLoop()
{
}

QObject* ComCenterServices::eventReceiver() const
{
    return nullptr;
}

ComCenterServices& ComCenterServices::current()
{
    ComCenterServices* services = installedServices.load();
    return services ? *services : defaultServices();
}

void ComCenterServices::install(ComCenterServices* services)
{
    installedServices.store(services);
}
