// Host-side receiver of the message keys a running test reports.
#pragma once

#include <cstdint>
#include <string>

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // text: a message key, or a key followed directly by a device name; kind: a MessageKind;
    // reserved: always 0 from this module.
    virtual void AddMessage(std::string text, uint32_t kind, uint32_t reserved) = 0;
};
