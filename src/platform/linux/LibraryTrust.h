// Whether a process running as root may load a library file: nobody but root or the user who
// started the process may have been able to write it.
#pragma once

#include <sys/types.h>

#include <string>

namespace corvo::platform {

struct LibraryTrustCheck {
    bool trusted = false;
    std::string reason; // why not, for the user
};

// For a process whose effective user is root: the open file (fd, reached through path) must
// belong to root or to invokingUser, and neither it nor the folders holding it (as named and as
// resolved) may be writable by group or others. Other processes can only hurt themselves, so
// every library is trusted for them.
LibraryTrustCheck CheckLibraryTrust(int fd, const std::string& path, uid_t effectiveUser, uid_t invokingUser);

// Opens path for reading only when it is a regular file, judged on the open file so nothing can be
// swapped in between: the open does not wait (a FIFO would block until someone writes to it), and a
// FIFO, a device or a folder is closed again. The descriptor, or -1 with reason saying why.
int OpenRegularFile(const std::string& path, std::string& reason);

// The user who started the process: the real user, or for a root process started through sudo
// the user named in SUDO_UID.
uid_t InvokingUser();

} // namespace corvo::platform
