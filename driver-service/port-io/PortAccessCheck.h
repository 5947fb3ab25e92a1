// Whether this process can reach the keyboard controller at all, judged before the first access so
// that the hosts can say why a PS/2 test cannot run instead of reporting a silent keyboard.
#pragma once

#include <string>

#include "platform/HDXService.h"

namespace corvo::driverservice {

struct PortAccessFacts {
    // Root, or the raw-I/O capability that ioperm and /dev/port ask for.
    bool privileged = false;
    // The kernel's lockdown mode, the bracketed word of /sys/kernel/security/lockdown; empty when
    // the kernel has no lockdown (or securityfs is not mounted, where it cannot be told).
    std::string lockdown;
    // The kernel's i8042 driver found a controller (its platform device exists).
    bool controllerFound = false;
    // The i8042 driver is registered at all; without it the kernel cannot tell about a controller.
    bool controllerDriverLoaded = false;
};

struct PortAccessVerdict {
    HDXServiceAccess access = HDXServiceAccess::Reachable;
    std::string reason; // empty when reachable
};

// Reads the facts of this process and machine; sysRoot and procRoot stand for /sys and /proc.
PortAccessFacts GatherPortAccessFacts(const std::string& sysRoot = "/sys", const std::string& procRoot = "/proc");

// The first obstacle in the order a technician can do something about it: no controller (nothing
// helps), lockdown (firmware settings), privilege (run as root).
PortAccessVerdict JudgePortAccess(const PortAccessFacts& facts);

// The bracketed mode of a lockdown file's text, "none [integrity] confidentiality" -> "integrity";
// empty for "none" or text without a bracketed word.
std::string ActiveLockdownMode(const std::string& text);

} // namespace corvo::driverservice
