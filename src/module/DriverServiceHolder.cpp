// Set-up, release and readiness of the driver-service plug-in, and the bridge to its service.
#include "module/DriverServiceHolder.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "components/KeyboardController.h"
#include "platform/DynamicLibraries.h"
#include "platform/HDXService.h"

namespace corvo::keyboard {

namespace {

constexpr uint8_t kKeyboardInterrupt = 0x01; // configuration bit 0

// Stands between the module and the plug-in's service and passes every call on. It watches the
// configuration bytes the module writes, because a run can end with the keyboard interrupt still
// off at the controller (abandoned mid-exchange, or a re-enable that never got through), and on a
// real machine the keyboard then stays dead until the next restart.
class ServiceBridge : public HDXService {
public:
    ServiceBridge(std::string path, CheckHDXServiceAccessFunction checkAccess)
        : m_path(std::move(path)), m_checkAccess(checkAccess)
    {
    }

    void Attach(HDXService* plugin) { m_plugin = plugin; }
    HDXService* Plugin() const { return m_plugin; }

    void RestoreKeyboardInterrupt()
    {
        if (!m_interruptOff.load() || m_plugin->IsReady() == 0) {
            return;
        }
        // The same byte and the same bounded waits as the test's own re-enable.
        KeyboardController controller([this]() -> HDXService* { return IsReady() != 0 ? this : nullptr; });
        controller.EnableKeyboardInterrupts();
    }

    std::string NotReadyReason() const
    {
        if (m_checkAccess != nullptr) {
            char reason[512] = {};
            if (m_checkAccess(reason, sizeof reason) != 0 && reason[0] != '\0') {
                return m_path + ": " + std::string(reason, strnlen(reason, sizeof reason));
            }
        }
        return m_path + ": its service says it is not ready";
    }

    uint32_t IsReady() override { return m_plugin->IsReady(); }
    uint32_t ReadPort(HDXPortRequest* request, uint32_t* value) override { return m_plugin->ReadPort(request, value); }
    uint32_t WritePort(HDXPortWriteRequest* request) override
    {
        const uint32_t result = m_plugin->WritePort(request);
        // Only what the service carried out counts.
        if (result == 0 && request != nullptr && request->width == 1 && request->data != nullptr) {
            Watch(request->port, request->data[0]);
        }
        return result;
    }

#define HALVIK_PASS_ON(slot) \
    uint32_t slot() override { return m_plugin->slot(); }
    HALVIK_PASS_ON(Reserved1) HALVIK_PASS_ON(Reserved2) HALVIK_PASS_ON(Reserved3) HALVIK_PASS_ON(Reserved4)
    HALVIK_PASS_ON(Reserved6) HALVIK_PASS_ON(Reserved7) HALVIK_PASS_ON(Reserved8) HALVIK_PASS_ON(Reserved11)
    HALVIK_PASS_ON(Reserved12) HALVIK_PASS_ON(Reserved13) HALVIK_PASS_ON(Reserved14) HALVIK_PASS_ON(Reserved15)
    HALVIK_PASS_ON(Reserved16) HALVIK_PASS_ON(Reserved17) HALVIK_PASS_ON(Reserved18) HALVIK_PASS_ON(Reserved19)
    HALVIK_PASS_ON(Reserved20) HALVIK_PASS_ON(Reserved21) HALVIK_PASS_ON(Reserved22) HALVIK_PASS_ON(Reserved23)
    HALVIK_PASS_ON(Reserved24) HALVIK_PASS_ON(Reserved25) HALVIK_PASS_ON(Reserved26) HALVIK_PASS_ON(Reserved27)
    HALVIK_PASS_ON(Reserved28) HALVIK_PASS_ON(Reserved29)
#undef HALVIK_PASS_ON

private:
    // A data byte after the controller command "write configuration" is the new configuration.
    void Watch(uint16_t port, uint8_t byte)
    {
        if (port == KeyboardController::kStatusPort) {
            m_configurationFollows = byte == KeyboardController::kWriteConfiguration;
        } else if (port == KeyboardController::kDataPort && m_configurationFollows) {
            m_configurationFollows = false;
            m_interruptOff.store((byte & kKeyboardInterrupt) == 0);
        }
    }

    HDXService* m_plugin = nullptr;
    std::string m_path;
    CheckHDXServiceAccessFunction m_checkAccess;
    bool m_configurationFollows = false;
    // Written by the thread that runs the test, read by the one that releases the holder.
    std::atomic<bool> m_interruptOff{false};
};

ServiceBridge* BridgeOf(const DriverServiceHolder& holder) { return static_cast<ServiceBridge*>(holder.service); }

} // namespace

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
        // Made before the factory is called, so that nothing can throw between the plug-in handing
        // out its service and the holder owning it.
        auto checkAccess = reinterpret_cast<CheckHDXServiceAccessFunction>(
            libraries.Resolve(holder.library, kCheckServiceAccessSymbol));
        auto bridge = std::make_unique<ServiceBridge>(path, checkAccess);
        HDXService* service = create();
        if (service == nullptr) {
            holder.problem = path + ": " + kCreateServiceSymbol + " returned no service";
            return;
        }
        bridge->Attach(service);
        holder.service = bridge.release();
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
    const std::unique_ptr<ServiceBridge> bridge(BridgeOf(holder));
    if (bridge) {
        bridge->RestoreKeyboardInterrupt();
    }
    auto destroy = reinterpret_cast<DestroyHDXServiceFunction>(holder.libraries->Resolve(holder.library, kDestroyServiceSymbol));
    if (destroy != nullptr) {
        destroy(bridge ? bridge->Plugin() : nullptr);
    }
    holder.libraries->Free(holder.library);
    holder.library = nullptr;
    holder.service = nullptr;
}

HDXService* GetService(const DriverServiceHolder& holder)
{
    ServiceBridge* bridge = BridgeOf(holder);
    if (bridge == nullptr) {
        return nullptr;
    }
    if (bridge->IsReady() == 0) {
        if (holder.problem.empty()) {
            holder.problem = bridge->NotReadyReason();
        }
        return nullptr;
    }
    if (!holder.problem.empty()) {
        holder.problem.clear();
    }
    return bridge;
}

} // namespace corvo::keyboard
