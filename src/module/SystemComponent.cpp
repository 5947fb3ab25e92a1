// Copies of a component's records for the host.
#include "module/SystemComponent.h"

#include <utility>

SystemComponent::SystemComponent(std::string identifier) : m_identifier(std::move(identifier)) {}

SystemComponent::~SystemComponent() = default;

std::string SystemComponent::GetId() { return m_identifier; }

ComponentSummary SystemComponent::GetSummary()
{
    return ComponentSummary{m_typeName, m_secondaryText, m_attributes, m_properties};
}

std::vector<DeviceEntry> SystemComponent::GetDevices() { return m_devices; }
