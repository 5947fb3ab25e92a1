// Result of the USB facade's operations: code 0 is success.
#pragma once

#include <cstdint>
#include <string>

struct UsbError {
    uint32_t code = 0;
    std::string message;
};
