// Construction of the platform's intervention detector.
#include "intervention/UserInterventionDetector.h"

#include "intervention/UserInterventionDetectorLinux.h"

UserInterventionDetector::UserInterventionDetector(uint32_t watchMask) : m_watchMask(watchMask) {}

UserInterventionDetector::~UserInterventionDetector() = default;

std::unique_ptr<UserInterventionDetector> UserInterventionDetector::Create(uint32_t watchMask,
                                                                           corvo::platform::KeyPointerState& state)
{
    return std::make_unique<UserInterventionDetectorLinux>(watchMask, state);
}
