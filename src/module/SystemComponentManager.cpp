// Index look-ups over the manager's components.
#include "module/SystemComponentManager.h"

SystemComponentManager::SystemComponentManager(const ObjectId& identifier) : m_identifier(identifier) {}

SystemComponentManager::~SystemComponentManager() = default;

ObjectId SystemComponentManager::GetIdentifier() { return m_identifier; }

uint64_t SystemComponentManager::GetComponentCount() { return m_components.size(); }

SystemComponent* SystemComponentManager::GetComponent(uint32_t index)
{
    return index < m_components.size() ? m_components[index] : nullptr;
}
