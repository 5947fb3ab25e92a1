// dlopen-based module loading for the hosts.
#include "ModuleLibrary.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "module/ProductVersion.h"
#include "platform/linux/LibraryTrust.h"

namespace corvo::hosts {

namespace {

std::string LastLoaderError()
{
    const char* message = dlerror();
    return message != nullptr ? message : "unknown loader error";
}

template <typename Function>
bool Resolve(void* handle, const char* name, Function& function, std::string& error)
{
    dlerror();
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr) {
        error = std::string("the module does not export ") + name + " (" + LastLoaderError() + ")";
        return false;
    }
    function = reinterpret_cast<Function>(symbol);
    return true;
}

// Why the file may not be loaded, or empty. Opened without blocking, so that a FIFO in its place
// is refused instead of waited on. As root, the driver service's rules apply, since a module runs
// with the host's privileges too; they leave nobody else able to put another file in its place
// before it is loaded by its path (which its own folder's libraries are found through).
std::string Refusal(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return "cannot load module " + path + ": " + std::strerror(errno);
    }
    struct stat status {};
    std::string refusal;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        refusal = "cannot load module " + path + ": not a regular file";
    } else if (const auto trust =
                   corvo::platform::CheckLibraryTrust(fd, path, geteuid(), corvo::platform::InvokingUser());
               !trust.trusted) {
        refusal = "module refused: " + trust.reason;
    }
    close(fd);
    return refusal;
}

} // namespace

std::unique_ptr<ModuleLibrary> ModuleLibrary::Load(const std::string& path, std::string& error)
{
    std::unique_ptr<ModuleLibrary> library(new ModuleLibrary());
    library->m_path = path;
    if (error = Refusal(path); !error.empty()) {
        return nullptr;
    }
    // Never unmapped, even after dlclose: the module leaves Qt holding pointers into its code (meta
    // objects, native event filters, its theme watcher and style singletons, which native events may
    // still reach while the application is torn down).
    library->m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (library->m_handle == nullptr) {
        error = "cannot load module " + path + ": " + LastLoaderError();
        return nullptr;
    }
    if (!Resolve(library->m_handle, "GetModuleInterfaceInstance", library->m_getModule, error)
        || !Resolve(library->m_handle, "ReleaseModuleInterfaceInstance", library->m_releaseModule, error)
        || !Resolve(library->m_handle, "GetProductVersion", library->m_getVersion, error)) {
        error = path + ": " + error;
        return nullptr;
    }
    return library;
}

ModuleLibrary::~ModuleLibrary()
{
    ReleaseModule();
    if (m_handle != nullptr) {
        dlclose(m_handle);
    }
}

ModuleInterface* ModuleLibrary::Module()
{
    m_moduleObtained = true;
    return m_getModule();
}

void ModuleLibrary::ReleaseModule()
{
    if (m_moduleObtained && m_releaseModule != nullptr) {
        m_releaseModule();
        m_moduleObtained = false;
    }
}

ProductVersion* ModuleLibrary::Version() { return m_getVersion(); }

std::string ModuleLibrary::VersionText(ProductVersion* version)
{
    if (version == nullptr) {
        return "unknown";
    }
    return std::to_string(version->GetMajor()) + "." + std::to_string(version->GetMinor()) + "."
        + std::to_string(version->GetRevision()) + "." + std::to_string(version->GetBuild());
}

} // namespace corvo::hosts
