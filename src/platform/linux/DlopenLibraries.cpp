// The dynamic-library seam on Linux: getcwd and dlopen, with the trust check for root.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/DynamicLibraries.h"
#include "platform/linux/LibraryTrust.h"

namespace corvo::platform {

namespace {

class DlopenLibraries : public DynamicLibraries {
public:
    std::string CurrentDirectory() const override
    {
        std::vector<char> buffer(4096);
        while (getcwd(buffer.data(), buffer.size()) == nullptr) {
            if (errno != ERANGE || buffer.size() > (1u << 20)) {
                return {};
            }
            buffer.resize(buffer.size() * 2);
        }
        return buffer.data();
    }

    void* Load(const std::string& path, std::string& reason) override
    {
        // The checks and the load must see the same file, so the file is opened once and loaded
        // through its descriptor: replacing it in between changes nothing.
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            reason = path + ": " + std::strerror(errno);
            return nullptr;
        }
        const LibraryTrustCheck trust = CheckLibraryTrust(fd, path, geteuid(), InvokingUser());
        void* library = nullptr;
        if (!trust.trusted) {
            reason = trust.reason;
        } else {
            const std::string descriptorPath = "/proc/self/fd/" + std::to_string(fd);
            // /proc may be missing in a confined process; the checked path then stands in.
            const bool viaDescriptor = access(descriptorPath.c_str(), F_OK) == 0;
            library = dlopen(viaDescriptor ? descriptorPath.c_str() : path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (library == nullptr) {
                const char* error = dlerror();
                reason = path + ": " + (error != nullptr ? error : "cannot be loaded");
            }
        }
        close(fd);
        return library;
    }

    void* Resolve(void* library, const char* symbol) override
    {
        return library != nullptr ? dlsym(library, symbol) : nullptr;
    }

    void Free(void* library) override
    {
        if (library != nullptr) {
            dlclose(library);
        }
    }
};

} // namespace

DynamicLibraries& SystemDynamicLibraries()
{
    static DlopenLibraries libraries;
    return libraries;
}

} // namespace corvo::platform
