// What the module asks of the operating system's keyboard driver.
#pragma once

#include <string>

namespace corvo::platform {

class KeyboardClassDriver {
public:
    virtual ~KeyboardClassDriver() = default;

    // The version of the driver of the machine's first keyboard; false when there is no keyboard
    // device or its driver cannot be told.
    virtual bool QueryDriverVersion(std::string& version) const = 0;
    // Programs the first keyboard anew with its own auto-repeat delay and rate, which a reset of
    // the keyboard has replaced by its defaults; false when that keyboard cannot be reached, the
    // driver refuses a step, or the setting is not confirmed afterwards.
    virtual bool RestoreRepeatSettings() const = 0;
};

KeyboardClassDriver& SystemKeyboardClassDriver();

} // namespace corvo::platform
