// Detects the machine's keyboards and holds them as the module's one keyboard component.
#pragma once

#include "components/KeyboardPlatform.h"
#include "module/SystemComponentManager.h"

class KeyboardComponentManager : public SystemComponentManager {
public:
    explicit KeyboardComponentManager(const ObjectId& identifier);
    KeyboardComponentManager(const ObjectId& identifier, KeyboardPlatform platform);
    ~KeyboardComponentManager() override;

    bool IsDevicePresent() override;
    SystemComponent* GetComponentByIndex(uint32_t index) override;
    // Always leaves exactly one keyboard component, even when no keyboard was found.
    void DetectComponents() override;

private:
    void DestroyComponents();

    KeyboardPlatform m_platform;
};
