// A host as an integrator writes one, from the installed headers alone: loads the module and lists
// its tests.   integrator-host <path of libkeyboard.so>
#include <dlfcn.h>

#include <cstdio>

#include "module/Diagnostic.h"
#include "module/ModuleEntry.h"
#include "module/ModuleInterface.h"
#include "module/ProductVersion.h"
#include "module/Resource.h"
#include "module/Test.h"

int main(int argc, char** argv)
{
    void* library = argc == 2 ? dlopen(argv[1], RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE) : nullptr;
    if (library == nullptr) {
        std::fprintf(stderr, "usage: %s <module>: %s\n", argv[0], argc == 2 ? dlerror() : "no module");
        return 2;
    }
    const auto getModule =
        reinterpret_cast<decltype(&GetModuleInterfaceInstance)>(dlsym(library, "GetModuleInterfaceInstance"));
    const auto release =
        reinterpret_cast<decltype(&ReleaseModuleInterfaceInstance)>(dlsym(library, "ReleaseModuleInterfaceInstance"));
    const auto getVersion = reinterpret_cast<decltype(&GetProductVersion)>(dlsym(library, "GetProductVersion"));
    if (getModule == nullptr || release == nullptr || getVersion == nullptr) {
        std::fprintf(stderr, "%s lacks the module's entry points\n", argv[1]);
        return 4;
    }

    ModuleInterface* module = getModule();
    Resource* resource = module->GetResource();
    Diagnostic* diagnostic = module->GetDiagnostic(0);
    ProductVersion* version = getVersion();
    std::printf("module %s %u.%u.%u.%u\n", resource->GetModuleName().c_str(), version->GetMajor(),
                version->GetMinor(), version->GetRevision(), version->GetBuild());
    const CommandNameMap names = resource->GetTestCommandNames();
    for (uint32_t index = 0; index < diagnostic->GetTestCount(); ++index) {
        const ObjectId identifier = diagnostic->GetTest(index)->GetIdentifier();
        const auto name = names.find(identifier);
        std::printf("test %s %s %s%s\n", identifier.ToString().c_str(),
                    name != names.end() ? name->second.shortName.c_str() : "-",
                    resource->GetTestName(identifier).c_str(),
                    diagnostic->GetTest(index)->IsInteractive() ? " interactive" : "");
    }
    release();
    return 0;
}
