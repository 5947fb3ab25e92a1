// Set-up, release and readiness of the driver-service plug-in.
#include "module/DriverServiceHolder.h"

#include "platform/DynamicLibraries.h"
#include "platform/HDXService.h"

namespace corvo::keyboard {

void SetUpDriverService(DriverServiceHolder& holder, corvo::platform::DynamicLibraries& libraries)
{
    holder = DriverServiceHolder{};
    holder.libraries = &libraries;
    const std::string folder = libraries.CurrentDirectory();
    if (folder.empty()) {
        holder.problem = "the current directory cannot be read";
        return;
    }
    const std::string path = folder + (folder.back() == '/' ? "" : "/") + kDriverServiceLibraryName;
    try {
        holder.library = libraries.Load(path, holder.problem);
        if (holder.library == nullptr) {
            return;
        }
        auto create = reinterpret_cast<CreateHDXServiceFunction>(libraries.Resolve(holder.library, kCreateServiceSymbol));
        if (create == nullptr) {
            holder.problem = path + " does not export " + kCreateServiceSymbol;
            return;
        }
        holder.service = create();
        holder.problem = holder.service == nullptr ? path + ": " + kCreateServiceSymbol + " returned no service" : "";
    } catch (...) {
        ReleaseDriverService(holder);
        throw;
    }
}

void ReleaseDriverService(DriverServiceHolder& holder)
{
    if (holder.library == nullptr) {
        return;
    }
    auto destroy = reinterpret_cast<DestroyHDXServiceFunction>(holder.libraries->Resolve(holder.library, kDestroyServiceSymbol));
    if (destroy != nullptr) {
        destroy(holder.service);
    }
    holder.libraries->Free(holder.library);
    holder.library = nullptr;
    holder.service = nullptr;
}

HDXService* GetService(const DriverServiceHolder& holder)
{
    if (holder.service == nullptr || holder.service->IsReady() == 0) {
        return nullptr;
    }
    return holder.service;
}

} // namespace corvo::keyboard
