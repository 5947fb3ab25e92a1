// What a host can tell the user about the driver-service plug-in in its working folder.
#pragma once

#include <string>

namespace corvo::hosts {

struct DriverServiceState {
    std::string path;
    bool found = false;
    // False when the module will not load the file, or its service cannot reach the keyboard
    // controller on this machine (see problem).
    bool usable = false;
    // Why not, in words a technician can act on; empty when usable.
    std::string problem;
    // The plug-in's own answer on port access: "reachable", "needs-root", "kernel-lockdown",
    // "no-controller", "kernel-refused"; "unknown" when the plug-in does not say, empty when it
    // was not asked (not found, refused, not loadable).
    std::string access;

    std::string Summary() const;
};

// Looks for the plug-in where the module will, applies the same trust rules to it, and asks it
// whether the controller can be reached.
DriverServiceState DescribeDriverService(const std::string& workDirectory);

} // namespace corvo::hosts
