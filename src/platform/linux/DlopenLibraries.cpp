// The dynamic-library seam on Linux: getcwd and dlopen, regular files only, with the trust check for root.
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <string>
#include <vector>

#include "platform/DynamicLibraries.h"
#include "platform/linux/LibraryTrust.h"

namespace corvo::platform {

namespace {

std::string DescriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// A library is loaded through /proc/self/fd/N so that the file checked is the file loaded. glibc
// knows a loaded library by the name it was given, though, and a library that cannot be unloaded
// (RTLD_NODELETE, or C++ unique symbols) keeps its name after dlclose: once N is reused for another
// file, dlopen of the same name would hand back the old library. So a descriptor whose name glibc
// may still know stays open, and the next load of the same file goes through that name again.
struct LoadedName {
    int fd = -1;
    dev_t device = 0;
    ino_t inode = 0;
    void* library = nullptr;
    int loads = 0;
};

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
        const int fd = OpenRegularFile(path, reason);
        if (fd < 0) {
            return nullptr;
        }
        const LibraryTrustCheck trust = CheckLibraryTrust(fd, path, geteuid(), InvokingUser());
        if (!trust.trusted) {
            reason = trust.reason;
            close(fd);
            return nullptr;
        }
        struct stat status {};
        // /proc may be missing in a confined process; the checked path then stands in.
        if (fstat(fd, &status) != 0 || access(DescriptorPath(fd).c_str(), F_OK) != 0) {
            close(fd);
            return Open(path, path, reason);
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        for (LoadedName& name : m_names) {
            if (name.device == status.st_dev && name.inode == status.st_ino) {
                // The kept descriptor holds the same file open, so its name still means this file.
                close(fd);
                void* library = Open(DescriptorPath(name.fd), path, reason);
                if (library != nullptr) {
                    name.library = library;
                    ++name.loads;
                }
                return library;
            }
        }
        void* library = Open(DescriptorPath(fd), path, reason);
        if (library == nullptr) {
            close(fd);
            return nullptr;
        }
        m_names.push_back(LoadedName{fd, status.st_dev, status.st_ino, library, 1});
        return library;
    }

    void* Resolve(void* library, const char* symbol) override
    {
        return library != nullptr ? dlsym(library, symbol) : nullptr;
    }

    void Free(void* library) override
    {
        if (library == nullptr) {
            return;
        }
        dlclose(library);
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto name = m_names.begin(); name != m_names.end(); ++name) {
            if (name->library != library) {
                continue;
            }
            if (--name->loads == 0 && !StillLoaded(DescriptorPath(name->fd))) {
                close(name->fd);
                m_names.erase(name);
            }
            return;
        }
    }

private:
    static void* Open(const std::string& loadPath, const std::string& shownPath, std::string& reason)
    {
        void* library = dlopen(loadPath.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            const char* error = dlerror();
            reason = shownPath + ": " + (error != nullptr ? error : "cannot be loaded");
        }
        return library;
    }

    static bool StillLoaded(const std::string& name)
    {
        void* library = dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (library == nullptr) {
            return false;
        }
        dlclose(library);
        return true;
    }

    std::mutex m_mutex;
    std::vector<LoadedName> m_names;
};

} // namespace

DynamicLibraries& SystemDynamicLibraries()
{
    static DlopenLibraries libraries;
    return libraries;
}

} // namespace corvo::platform
