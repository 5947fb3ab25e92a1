// Host-facing owner of the components of one kind, which it detects and hands out by index.
#pragma once

#include <cstdint>
#include <vector>

#include "module/ObjectId.h"

class SystemComponent;

class SystemComponentManager {
public:
    explicit SystemComponentManager(const ObjectId& identifier);
    // A derived manager destroys its components; the base only forgets them.
    virtual ~SystemComponentManager();

    virtual ObjectId GetIdentifier();
    virtual uint64_t GetComponentCount();
    // Ownership stays with the manager; valid until the next detection.
    virtual SystemComponent* GetComponent(uint32_t index);
    virtual bool IsDevicePresent() = 0;
    virtual SystemComponent* GetComponentByIndex(uint32_t index) = 0;
    virtual void DetectComponents() = 0;

protected:
    SystemComponentManager(const SystemComponentManager&) = delete;
    SystemComponentManager& operator=(const SystemComponentManager&) = delete;

    std::vector<SystemComponent*> m_components;
    ObjectId m_identifier;
};
