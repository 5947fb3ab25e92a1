// Loads a diagnostics module by path and resolves its three entry points.
#pragma once

#include <memory>
#include <string>

class ModuleInterface;
class ProductVersion;

namespace corvo::hosts {

class ModuleLibrary {
public:
    // Null on failure, with a readable reason in error (the loader's own message included).
    static std::unique_ptr<ModuleLibrary> Load(const std::string& path, std::string& error);

    // Hands the module object back (if one was obtained) and unloads the library.
    ~ModuleLibrary();

    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    ModuleInterface* Module();
    void ReleaseModule();
    ProductVersion* Version();
    const std::string& Path() const { return m_path; }

    // "4.42.0.92"
    static std::string VersionText(ProductVersion* version);

private:
    ModuleLibrary() = default;

    using GetModuleFunction = ModuleInterface* (*)();
    using ReleaseModuleFunction = void (*)();
    using GetVersionFunction = ProductVersion* (*)();

    std::string m_path;
    void* m_handle = nullptr;
    GetModuleFunction m_getModule = nullptr;
    ReleaseModuleFunction m_releaseModule = nullptr;
    GetVersionFunction m_getVersion = nullptr;
    bool m_moduleObtained = false;
};

} // namespace corvo::hosts
