// The auto-repeat setting of an event device node, through the evdev ioctls.
#pragma once

#include <memory>
#include <string>

#include "platform/linux/EvdevRepeatDevice.h"

namespace corvo::platform {

class EvdevRepeatNode : public EvdevRepeatDevice {
public:
    // The node opened for reading and writing; null when it cannot be opened.
    static std::unique_ptr<EvdevRepeatDevice> Open(const std::string& path);

    ~EvdevRepeatNode() override;
    EvdevRepeatNode(const EvdevRepeatNode&) = delete;
    EvdevRepeatNode& operator=(const EvdevRepeatNode&) = delete;

    bool ReadRepeat(EvdevRepeat& repeat) override;   // EVIOCGREP
    bool WriteRepeat(const EvdevRepeat& repeat) override; // EVIOCSREP

private:
    explicit EvdevRepeatNode(int descriptor) : m_descriptor(descriptor) {}

    int m_descriptor;
};

} // namespace corvo::platform
