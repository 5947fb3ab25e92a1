// What every platform's USB facade shares: the include-hubs flag and the release of a walk's result.
#pragma once

#include <vector>

#include "usb/UsbComponent.h"

class UsbComponentAbstract : public UsbComponent {
public:
    bool GetIncludeHubs() override;
    void SetIncludeHubs(bool includeHubs) override;
    // From the last controller to the first and, within each, from the last device to the first;
    // a device takes its storage object with it.
    void ReleaseHostControllers(std::vector<UsbHostControllerDevice*>& controllers) override;

protected:
    UsbComponentAbstract() = default;

private:
    bool m_includeHubs = false;
};
