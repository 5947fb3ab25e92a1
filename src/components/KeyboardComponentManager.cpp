// The keyboard component manager.
#include "components/KeyboardComponentManager.h"

#include <utility>

#include "components/KeyboardComponent.h"

namespace {
constexpr char kComponentIdentifier[] = "0";
}

KeyboardComponentManager::KeyboardComponentManager(const ObjectId& identifier)
    : KeyboardComponentManager(identifier, KeyboardPlatform::System())
{
}

KeyboardComponentManager::KeyboardComponentManager(const ObjectId& identifier, KeyboardPlatform platform)
    : SystemComponentManager(identifier), m_platform(std::move(platform))
{
}

KeyboardComponentManager::~KeyboardComponentManager() { DestroyComponents(); }

void KeyboardComponentManager::DestroyComponents()
{
    for (SystemComponent* component : m_components) {
        delete component;
    }
    m_components.clear();
}

bool KeyboardComponentManager::IsDevicePresent()
{
    const KeyboardComponent probe(kComponentIdentifier, m_platform);
    return !probe.GetUsbKeyboards().empty() || probe.IsPs2KeyboardPresent();
}

SystemComponent* KeyboardComponentManager::GetComponentByIndex(uint32_t index) { return GetComponent(index); }

void KeyboardComponentManager::DetectComponents()
{
    DestroyComponents();
    auto component = new KeyboardComponent(kComponentIdentifier, m_platform);
    m_components.push_back(component);
    component->DetectKeyboards();
}
