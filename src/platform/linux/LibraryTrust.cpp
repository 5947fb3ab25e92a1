// Ownership and permission checks before a root process loads a plug-in, and opening only regular files.
#include "platform/linux/LibraryTrust.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace corvo::platform {

namespace {

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WritableByOthers(const struct stat& status) { return (status.st_mode & (S_IWGRP | S_IWOTH)) != 0; }

std::string CheckFolder(const std::string& folder)
{
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0) {
        return "its folder " + folder + " cannot be examined";
    }
    if (WritableByOthers(status)) {
        // A build made under a umask of 002 ends up here, so the message carries the remedy.
        return "its folder " + folder + " is writable by group or others (a umask of 002 does that; "
            "\"chmod go-w " + folder + "\" mends it)";
    }
    return {};
}

} // namespace

LibraryTrustCheck CheckLibraryTrust(int fd, const std::string& path, uid_t effectiveUser, uid_t invokingUser)
{
    LibraryTrustCheck check;
    if (effectiveUser != 0) {
        check.trusted = true;
        return check;
    }
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        check.reason = path + " cannot be examined";
        return check;
    }
    if (!S_ISREG(status.st_mode)) {
        check.reason = path + " is not a regular file";
        return check;
    }
    if (status.st_uid != 0 && status.st_uid != invokingUser) {
        check.reason = path + " belongs to user " + std::to_string(status.st_uid)
            + ", neither root nor the user who started the program";
        return check;
    }
    if (WritableByOthers(status)) {
        check.reason = path + " is writable by group or others (\"chmod go-w " + path + "\" mends it)";
        return check;
    }
    std::string problem = CheckFolder(FolderOf(path));
    if (problem.empty()) {
        // A symbolic link may lead into another folder that someone else can write.
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr) {
            problem = CheckFolder(FolderOf(resolved));
        }
    }
    if (!problem.empty()) {
        check.reason = path + " is not loaded: " + problem;
        return check;
    }
    check.trusted = true;
    return check;
}

int OpenRegularFile(const std::string& path, std::string& reason)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = path + ": " + std::strerror(errno);
        return -1;
    }
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        reason = path + " is not a regular file";
        close(fd);
        return -1;
    }
    // The flag stays: reads of a regular file never wait anyway.
    return fd;
}

uid_t InvokingUser()
{
    const uid_t real = getuid();
    if (real == 0) {
        if (const char* sudoUser = std::getenv("SUDO_UID")) {
            char* end = nullptr;
            const unsigned long value = std::strtoul(sudoUser, &end, 10);
            if (end != sudoUser && *end == '\0' && value < 0xFFFFFFFFul) {
                return static_cast<uid_t>(value);
            }
        }
    }
    return real;
}

} // namespace corvo::platform
