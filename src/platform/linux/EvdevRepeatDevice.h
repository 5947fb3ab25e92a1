// One opened event device's auto-repeat setting, the part of evdev that reprograms a keyboard.
#pragma once

namespace corvo::platform {

// What EVIOCGREP reads and EVIOCSREP writes, in the kernel's order.
struct EvdevRepeat {
    unsigned int delayMs = 0;  // from key down to the first repeat
    unsigned int periodMs = 0; // between repeats

    bool operator==(const EvdevRepeat& other) const
    {
        return delayMs == other.delayMs && periodMs == other.periodMs;
    }
    bool operator!=(const EvdevRepeat& other) const { return !(*this == other); }
};

class EvdevRepeatDevice {
public:
    virtual ~EvdevRepeatDevice() = default;

    // The setting the kernel holds for the device; false when the device refuses the request.
    virtual bool ReadRepeat(EvdevRepeat& repeat) = 0;
    // Hands the setting to the kernel, which passes each value on to the keyboard's driver only
    // when it differs from the one it holds; false when the device refuses the request.
    virtual bool WriteRepeat(const EvdevRepeat& repeat) = 0;
};

} // namespace corvo::platform
