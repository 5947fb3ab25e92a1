// Loads the driver-service plug-in from the current directory and keeps its service object.
#pragma once

#include <string>

class HDXService;

namespace corvo::platform {
class DynamicLibraries;
}

struct DriverServiceHolder {
    void* library = nullptr;
    // The module's bridge to the plug-in's service (it passes every call on), null when the
    // factory gave none.
    HDXService* service = nullptr;
    corvo::platform::DynamicLibraries* libraries = nullptr; // the loader that loaded it
    // Why the last GetService handed out no service, for diagnostics: why the library cannot be
    // used, or why its service says it is not ready; empty while it serves.
    mutable std::string problem;
};

namespace corvo::keyboard {

// Fills holder from "HalvikDiagnosticsDriverService.so" in the current directory. A missing or
// refused library, a missing factory or a factory that returns null leave it without service.
void SetUpDriverService(DriverServiceHolder& holder, corvo::platform::DynamicLibraries& libraries);

// Switches the keyboard interrupt back on when the module's last configuration byte left it off,
// destroys the service through the library's own destroy function, then unloads the library.
void ReleaseDriverService(DriverServiceHolder& holder);

// The service when there is one and it reports itself ready now; asked anew on every use.
HDXService* GetService(const DriverServiceHolder& holder);

} // namespace corvo::keyboard
