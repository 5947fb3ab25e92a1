// The user's private folder for temporary files: made with mode 0700, or refused when unsafe.
#pragma once

#include <string>

#include <sys/types.h>

namespace corvo::platform {

// The folder sits in a shared place (/tmp), so anyone may have made it first. It is handed out
// only when it is a real folder (not a link to elsewhere), owned by this user, with no access for
// group or others, and fully usable by its owner; otherwise the answer is the empty text and the
// caller falls back to its own folder. A folder we just made is set to 0700 whatever the umask.
class TemporaryDirectory {
public:
    static constexpr char kNamePrefix[] = "halvik-diagnostics-";

    // $TMPDIR when it is an absolute path, else "/tmp".
    static std::string BaseDirectory();
    // base + "/halvik-diagnostics-<uid>".
    static std::string PathFor(const std::string& baseDirectory, uid_t user);
    // Makes or checks the folder for the effective user below baseDirectory; its path, or the
    // empty text when it cannot be made or must not be used.
    static std::string Prepare(const std::string& baseDirectory);
};

} // namespace corvo::platform
