// Host-side receiver of progress reports and of requests for user interaction.
#pragma once

#include <cstdint>
#include <string>

class InputRequest;

class ProgressReporter {
public:
    virtual ~ProgressReporter() = default;
    // percent 0..100; text empty or a message key.
    virtual void ReportProgress(uint8_t percent, const std::string& text) = 0;
    // Returns once the host has served the request, with its answer written.
    virtual void RequestInput(InputRequest& request) = 0;
    // Not called by the module; its meaning belongs to the host.
    virtual void Reserved3() = 0;
    virtual bool AcceptsInputRequests() = 0;
};
