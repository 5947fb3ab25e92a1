// The intervention detector over the key and pointer state seam.
#pragma once

#include "intervention/UserInterventionDetector.h"

class UserInterventionDetectorLinux : public UserInterventionDetector {
public:
    UserInterventionDetectorLinux(uint32_t watchMask, corvo::platform::KeyPointerState& state);
    ~UserInterventionDetectorLinux() override;

    bool Detect(uint32_t timeoutMilliseconds) override;

private:
    corvo::platform::KeyPointerState& m_state;
};
