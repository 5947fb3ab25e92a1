// Host-facing description of a component and its devices; also the device a test receives.
#pragma once

#include <string>
#include <vector>

#include "module/DeviceEntry.h"

class SystemComponent {
public:
    explicit SystemComponent(std::string identifier);
    virtual ~SystemComponent();

    virtual std::string GetId();
    virtual ComponentSummary GetSummary();
    virtual std::vector<DeviceEntry> GetDevices();
    // Six operations whose meaning the host defines.
    virtual bool HostQuery5() = 0;
    virtual bool HostQuery6() = 0;
    virtual bool HostQuery7() = 0;
    virtual void HostAction8() = 0;
    virtual bool HostQuery9() = 0;
    virtual void HostAction10() = 0;

protected:
    SystemComponent(const SystemComponent&) = delete;
    SystemComponent& operator=(const SystemComponent&) = delete;

    std::string m_typeName;
    std::string m_secondaryText;
    PropertyList m_attributes;
    PropertyMap m_properties;
    std::vector<DeviceEntry> m_devices;
    std::string m_identifier;
};
