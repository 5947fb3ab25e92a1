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
    // Reads the first keyboard's auto-repeat delay and rate and sets them again, so the driver
    // applies them to the keyboard anew after a reset; false when that keyboard cannot be reached.
    virtual bool RestoreRepeatSettings() const = 0;
};

KeyboardClassDriver& SystemKeyboardClassDriver();

} // namespace corvo::platform
