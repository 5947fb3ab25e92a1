// The user's private folder for temporary files: made with mode 0700, or refused when unsafe.
#include "TemporaryDirectory.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvo::platform {

namespace {

constexpr mode_t kOwnerOnly = S_IRWXU;
constexpr mode_t kGroupAndOthers = S_IRWXG | S_IRWXO;

} // namespace

std::string TemporaryDirectory::BaseDirectory()
{
    // A relative TMPDIR would depend on the working folder, which the hosts change on purpose.
    const char* fromEnvironment = std::getenv("TMPDIR");
    if (fromEnvironment != nullptr && fromEnvironment[0] == '/') {
        return fromEnvironment;
    }
    return "/tmp";
}

std::string TemporaryDirectory::PathFor(const std::string& baseDirectory, uid_t user)
{
    std::string base = baseDirectory;
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    if (base != "/") {
        base += '/';
    }
    return base + kNamePrefix + std::to_string(user);
}

std::string TemporaryDirectory::Prepare(const std::string& baseDirectory)
{
    const uid_t user = ::geteuid();
    const std::string path = PathFor(baseDirectory, user);

    const bool created = ::mkdir(path.c_str(), kOwnerOnly) == 0;
    if (!created && errno != EEXIST) {
        return {};
    }
    // Judge the folder through a descriptor that refuses links, so that what was checked is what
    // is used: a path checked with lstat and then changed could be swapped in between.
    const int folder = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) {
        return {};
    }
    struct stat status {};
    bool usable = ::fstat(folder, &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == user;
    if (usable && created) {
        usable = ::fchmod(folder, kOwnerOnly) == 0;
    } else if (usable) {
        // An existing folder is never repaired: if its mode is wrong, someone may already have
        // put something in it.
        usable = (status.st_mode & kGroupAndOthers) == 0 && (status.st_mode & kOwnerOnly) == kOwnerOnly;
    }
    ::close(folder);
    return usable ? path : std::string();
}

} // namespace corvo::platform
