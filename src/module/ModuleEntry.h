// The module's exported entry points, found by the host under their plain names.
#pragma once

#define KEYBOARD_MODULE_API __attribute__((visibility("default")))

class ModuleInterface;
class ProductVersion;

extern "C" {
// The process's one module object, built on the first call.
KEYBOARD_MODULE_API ModuleInterface* GetModuleInterfaceInstance();
// Destroys the module object and everything it holds; does nothing when there is none.
KEYBOARD_MODULE_API void ReleaseModuleInterfaceInstance();
// The constant version record 4.42.0.92, owned by the library.
KEYBOARD_MODULE_API ProductVersion* GetProductVersion();
}
