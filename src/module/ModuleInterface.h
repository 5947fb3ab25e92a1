// The one module object a host obtains: the diagnostics, the resource and the component manager.
#pragma once

#include <cstdint>
#include <vector>

class Diagnostic;
class Resource;
class SystemComponentManager;

class ModuleInterface {
public:
    // Holds the pointers without owning them; ReleaseModuleInterfaceInstance destroys the objects.
    ModuleInterface(std::vector<Diagnostic*> diagnostics, Resource* resource,
                    SystemComponentManager* componentManager);
    virtual ~ModuleInterface();

    virtual Diagnostic* GetDiagnostic(uint32_t index);
    virtual uint64_t GetDiagnosticCount();
    virtual Resource* GetResource();
    virtual SystemComponentManager* GetComponentManager();
    virtual void* GetExtraEntry(uint32_t index);
    virtual uint64_t GetExtraEntryCount();
    virtual void* GetExtraObject();
    virtual bool Reserved8();

private:
    std::vector<Diagnostic*> m_diagnostics;
    Resource* m_resource;
    SystemComponentManager* m_componentManager;
    void* m_extraObject = nullptr;
    std::vector<void*> m_extraEntries;
};
