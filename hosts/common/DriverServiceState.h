// What a host can tell the user about the driver-service plug-in in its working folder.
#pragma once

#include <string>

namespace corvo::hosts {

struct DriverServiceState {
    std::string path;
    bool found = false;
    // False when the file exists but the module will not load it (see problem).
    bool usable = false;
    std::string problem;

    std::string Summary() const;
};

// Looks for the plug-in where the module will, and applies the same trust rules to it.
DriverServiceState DescribeDriverService(const std::string& workDirectory);

} // namespace corvo::hosts
