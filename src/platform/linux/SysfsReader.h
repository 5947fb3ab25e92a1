// The one way into sysfs: reads attributes, lists folders and follows links below a settable root.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvo::platform {

// Every path handed to a SysfsReader is relative to its root ("bus/serio/devices"); a leading
// slash is ignored, so "/class/dmi/id" and "class/dmi/id" name the same place. Tests point the
// root at a fixture tree; production code uses the default root of the running kernel.
//
// Nothing here throws for a missing or unreadable file: sysfs changes under our feet (devices come
// and go, attributes are root-only), and every caller treats "cannot read" like "not there".
class SysfsReader {
public:
    // Text attributes are a page in the kernel; anything much larger is not an attribute we want.
    static constexpr std::size_t kTextLimit = 64 * 1024;
    // Large enough for a whole firmware table; a larger file is refused rather than cut, because a
    // silently shortened table would look like a truncated one.
    static constexpr std::size_t kDefaultBinaryLimit = 4 * 1024 * 1024;
    // What a control character in a text attribute is shown as.
    static constexpr char kReplacementCharacter = '?';

    SysfsReader();
    explicit SysfsReader(std::string root);

    static std::string DefaultRoot();

    const std::string& Root() const { return root_; }
    void SetRoot(std::string root);

    // The absolute path of a relative one, for messages and for APIs that need a path.
    std::string PathOf(std::string_view relativePath) const;

    // The attribute's text without its trailing newlines, every other control character replaced.
    // Empty optional when the file is missing, unreadable, a folder, or larger than kTextLimit.
    std::optional<std::string> ReadText(std::string_view relativePath) const;

    // The attribute split at newlines, each line cleaned like ReadText; trailing empty lines are
    // dropped. For attributes that list one value a line, such as a PNP device's ids.
    std::optional<std::vector<std::string>> ReadLines(std::string_view relativePath) const;

    // The attribute's bytes exactly as the kernel gives them. Empty optional when the file is
    // missing, unreadable, or longer than limit bytes.
    std::optional<std::vector<uint8_t>> ReadBinary(std::string_view relativePath,
                                                   std::size_t limit = kDefaultBinaryLimit) const;

    // The names in a folder, sorted, without "." and ".."; empty when the folder is missing.
    std::vector<std::string> ListDirectory(std::string_view relativePath) const;

    // The last component of a symbolic link's target ("atkbd" for a driver link), or an empty
    // optional when the path is not a link.
    std::optional<std::string> LinkTargetName(std::string_view relativePath) const;

    // True when the path names something, following links (a dangling link does not exist).
    bool Exists(std::string_view relativePath) const;

    // Joins path components with single slashes: Join("bus/serio/devices", "serio0").
    static std::string Join(std::string_view parent, std::string_view child);

    // The text cleaning that ReadText applies, for callers that get text from elsewhere.
    static std::string CleanText(std::string_view raw);

private:
    std::optional<std::string> ReadRaw(std::string_view relativePath, std::size_t limit) const;

    std::string root_;
};

} // namespace corvo::platform
