// Picks the system's key and pointer state source: X11 or the event devices, in the order the
// session calls for, else nothing.
#include "platform/linux/NoKeyPointerState.h"

#include "platform/linux/EvdevKeyPointerState.h"
#include "platform/linux/InputChoice.h"
#include "platform/linux/X11KeyPointerState.h"

namespace corvo::platform {

std::unique_ptr<KeyPointerState> CreateKeyPointerState(KeySource source, const InputSurvey& survey)
{
    switch (source) {
    case KeySource::EventDevices:
        return std::make_unique<EvdevKeyPointerState>(survey.inputDirectory);
    case KeySource::X11:
    case KeySource::XWayland:
        return std::make_unique<X11KeyPointerState>(survey.display);
    case KeySource::FocusedWindow:
    case KeySource::None:
        break;
    }
    return std::make_unique<NoKeyPointerState>();
}

std::unique_ptr<KeyPointerState> CreateKeyPointerState(const std::string& displayName,
                                                       const std::string& inputDirectory)
{
    const InputSurvey survey = SurveyInput(false, inputDirectory, displayName);
    return CreateKeyPointerState(ChooseInput(survey).watchState, survey);
}

std::unique_ptr<KeyPointerState> CreateSystemKeyPointerState()
{
    const InputSurvey survey = SurveyInput(false);
    return CreateKeyPointerState(ChooseInput(survey).watchState, survey);
}

} // namespace corvo::platform
