// The USB facade on Linux: walks sysfs into controller and device records.
#pragma once

#include <string>
#include <vector>

#include "platform/linux/SysfsReader.h"
#include "platform/linux/UsbTreeWalkerLinux.h"
#include "usb/UsbComponentAbstract.h"

namespace corvo::platform {

class UsbComponentLinux : public UsbComponentAbstract {
public:
    // Tests point the root at a fixture tree; the module uses the running kernel's.
    explicit UsbComponentLinux(std::string sysfsRoot = SysfsReader::DefaultRoot());

    // Whether sysfs shows at least one root hub: a root hub exists only while its controller's
    // driver is bound, so that is a controller the walk can use.
    bool HasHostController() override;
    // Always code 0: whatever cannot be read is left out of the lists, not reported.
    UsbError GetHostControllers(std::vector<UsbHostControllerDevice*>& controllers) override;

private:
    UsbTreeWalkerLinux m_walker;
};

} // namespace corvo::platform
