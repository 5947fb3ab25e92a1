// The Linux USB facade and the factory that creates it on the running kernel's sysfs.
#include "platform/linux/UsbComponentLinux.h"

#include <memory>
#include <utility>

#include "usb/UsbDevice.h"
#include "usb/UsbHostControllerDevice.h"

namespace corvo::platform {

UsbComponentLinux::UsbComponentLinux(std::string sysfsRoot) : m_walker(SysfsReader(std::move(sysfsRoot))) {}

bool UsbComponentLinux::HasHostController()
{
    return !m_walker.RootHubNames().empty();
}

UsbError UsbComponentLinux::GetHostControllers(std::vector<UsbHostControllerDevice*>& controllers)
{
    std::vector<UsbTreeWalkerLinux::ControllerRecord> records = m_walker.Walk();
    // Room first, so that handing the records over cannot fail halfway and leak them.
    controllers.reserve(controllers.size() + records.size());
    const bool includeHubs = GetIncludeHubs();
    for (UsbTreeWalkerLinux::ControllerRecord& record : records) {
        std::vector<UsbDevice*> devices;
        devices.reserve(record.devices.size());
        for (std::unique_ptr<UsbDeviceImpl>& device : record.devices) {
            // A left-out hub still had its ports walked: the devices behind it are in the list.
            if (device->hub && !includeHubs) {
                continue;
            }
            devices.push_back(device.release());
        }
        record.controller->SetUsbDevices(devices);
        controllers.push_back(record.controller.release());
    }
    return UsbError{};
}

} // namespace corvo::platform

std::unique_ptr<UsbComponent> CreateUsbComponent()
{
    return std::make_unique<corvo::platform::UsbComponentLinux>();
}
