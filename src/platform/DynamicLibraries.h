// How the module finds, loads and unloads the driver-service plug-in.
#pragma once

#include <optional>
#include <string>

namespace corvo::platform {

class DynamicLibraries {
public:
    virtual ~DynamicLibraries() = default;

    // The process's current directory; empty when it cannot be read.
    virtual std::string CurrentDirectory() const = 0;
    // Null on failure; reason then says why in words a technician can act on.
    virtual void* Load(const std::string& path, std::string& reason) = 0;
    virtual void* Resolve(void* library, const char* symbol) = 0;
    virtual void Free(void* library) = 0;
};

// The system's loader.
DynamicLibraries& SystemDynamicLibraries();

} // namespace corvo::platform
