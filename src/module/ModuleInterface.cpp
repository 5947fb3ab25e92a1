// Accessors of the module object.
#include "module/ModuleInterface.h"

#include <utility>

ModuleInterface::ModuleInterface(std::vector<Diagnostic*> diagnostics, Resource* resource,
                                 SystemComponentManager* componentManager)
    : m_diagnostics(std::move(diagnostics)), m_resource(resource), m_componentManager(componentManager)
{
}

ModuleInterface::~ModuleInterface() = default;

Diagnostic* ModuleInterface::GetDiagnostic(uint32_t index)
{
    return index < m_diagnostics.size() ? m_diagnostics[index] : nullptr;
}

uint64_t ModuleInterface::GetDiagnosticCount() { return m_diagnostics.size(); }

Resource* ModuleInterface::GetResource() { return m_resource; }

SystemComponentManager* ModuleInterface::GetComponentManager() { return m_componentManager; }

void* ModuleInterface::GetExtraEntry(uint32_t index)
{
    return index < m_extraEntries.size() ? m_extraEntries[index] : nullptr;
}

uint64_t ModuleInterface::GetExtraEntryCount() { return m_extraEntries.size(); }

void* ModuleInterface::GetExtraObject() { return m_extraObject; }

bool ModuleInterface::Reserved8() { return false; }
