// The choice of the system's key and pointer state source.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/NoKeyPointerState.h"
#include "platform/linux/InputChoice.h"

namespace corvo::platform {

// The watch's choice (ChooseInput) between the X display of that name (an empty name skips X) and
// the keyboards' event devices in inputDirectory, else NoKeyPointerState. CreateSystemKeyPointerState
// is this with DISPLAY and /dev/input.
std::unique_ptr<KeyPointerState> CreateKeyPointerState(const std::string& displayName,
                                                       const std::string& inputDirectory);
// The state of the source chosen from the survey.
std::unique_ptr<KeyPointerState> CreateKeyPointerState(KeySource source, const InputSurvey& survey);

} // namespace corvo::platform
