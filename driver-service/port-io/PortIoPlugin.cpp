// The exports of the port-I/O plug-in: a service over the kernel's port access.
#include <memory>

#include "PortIoService.h"
#include "SystemPortAccess.h"

#define PORT_IO_EXPORT extern "C" __attribute__((visibility("default")))

PORT_IO_EXPORT HDXService* CreateHDXService()
{
    // The factory is called across a C boundary: a failed allocation means no service, not a throw.
    try {
        return new corvo::driverservice::PortIoService(std::make_unique<corvo::driverservice::SystemPortAccess>());
    } catch (...) {
        return nullptr;
    }
}

PORT_IO_EXPORT void DestroyHDXService(HDXService* service) { delete service; }
