// The choice of the system's key and pointer state source.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/NoKeyPointerState.h"
#include "platform/linux/InputChoice.h"

namespace corvo::platform {

// The X display of that name when it answers (an empty name skips X), else the event devices in
// inputDirectory when one of them can be read, else NoKeyPointerState; on a Wayland session the
// devices come first. CreateSystemKeyPointerState chooses the same way with DISPLAY, /dev/input
// and the session's own type.
std::unique_ptr<KeyPointerState> CreateKeyPointerState(const std::string& displayName,
                                                       const std::string& inputDirectory,
                                                       bool waylandSession = false);
// The state of the source chosen from the survey.
std::unique_ptr<KeyPointerState> CreateKeyPointerState(KeySource source, const InputSurvey& survey);

} // namespace corvo::platform
