// The choice of the system's key and pointer state source.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/NoKeyPointerState.h"

namespace corvo::platform {

// The X display of that name when it answers (an empty name skips X), else the event devices in
// inputDirectory when one of them can be read, else NoKeyPointerState. CreateSystemKeyPointerState
// is this with DISPLAY and /dev/input.
std::unique_ptr<KeyPointerState> CreateKeyPointerState(const std::string& displayName,
                                                       const std::string& inputDirectory);

} // namespace corvo::platform
