// Reads sysfs attributes, folders and links below a settable root.
#include "platform/linux/SysfsReader.h"

#include <algorithm>
#include <cerrno>
#include <climits>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvo::platform {

namespace {

bool IsControlCharacter(unsigned char character)
{
    return character < 0x20 || character == 0x7F;
}

std::string_view WithoutLeadingSlashes(std::string_view path)
{
    while (!path.empty() && path.front() == '/') {
        path.remove_prefix(1);
    }
    return path;
}

// Closes a descriptor on every way out of a read.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor()
    {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return descriptor_; }

private:
    int descriptor_;
};

} // namespace

SysfsReader::SysfsReader() : SysfsReader(DefaultRoot()) {}

SysfsReader::SysfsReader(std::string root)
{
    SetRoot(std::move(root));
}

std::string SysfsReader::DefaultRoot()
{
    return "/sys";
}

void SysfsReader::SetRoot(std::string root)
{
    // "/sys/" and "/sys" must give the same paths; the file system root stays "/".
    while (root.size() > 1 && root.back() == '/') {
        root.pop_back();
    }
    root_ = root.empty() ? DefaultRoot() : std::move(root);
}

std::string SysfsReader::Join(std::string_view parent, std::string_view child)
{
    child = WithoutLeadingSlashes(child);
    std::string joined(parent);
    while (!joined.empty() && joined.back() == '/') {
        joined.pop_back();
    }
    if (child.empty()) {
        return joined;
    }
    if (!joined.empty() || (!parent.empty() && parent.front() == '/')) {
        joined += '/';
    }
    joined += child;
    return joined;
}

std::string SysfsReader::PathOf(std::string_view relativePath) const
{
    return Join(root_, relativePath);
}

std::string SysfsReader::CleanText(std::string_view raw)
{
    while (!raw.empty() && (raw.back() == '\n' || raw.back() == '\r')) {
        raw.remove_suffix(1);
    }
    std::string text(raw);
    for (char& character : text) {
        if (IsControlCharacter(static_cast<unsigned char>(character))) {
            character = kReplacementCharacter;
        }
    }
    return text;
}

std::optional<std::string> SysfsReader::ReadRaw(std::string_view relativePath, std::size_t limit) const
{
    const std::string path = PathOf(relativePath);
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        return std::nullopt;
    }
    std::string content;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            // EISDIR for a folder, EIO or EACCES for attributes the kernel refuses to give.
            return std::nullopt;
        }
        if (count == 0) {
            return content;
        }
        if (content.size() + static_cast<std::size_t>(count) > limit) {
            return std::nullopt;
        }
        content.append(buffer, static_cast<std::size_t>(count));
    }
}

std::optional<std::string> SysfsReader::ReadText(std::string_view relativePath) const
{
    std::optional<std::string> raw = ReadRaw(relativePath, kTextLimit);
    if (!raw) {
        return std::nullopt;
    }
    return CleanText(*raw);
}

std::optional<std::vector<std::string>> SysfsReader::ReadLines(std::string_view relativePath) const
{
    const std::optional<std::string> raw = ReadRaw(relativePath, kTextLimit);
    if (!raw) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    std::string_view rest(*raw);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        lines.push_back(CleanText(rest.substr(0, end)));
        if (end == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(end + 1);
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

std::optional<std::vector<uint8_t>> SysfsReader::ReadBinary(std::string_view relativePath,
                                                            std::size_t limit) const
{
    const std::optional<std::string> raw = ReadRaw(relativePath, limit);
    if (!raw) {
        return std::nullopt;
    }
    return std::vector<uint8_t>(raw->begin(), raw->end());
}

std::vector<std::string> SysfsReader::ListDirectory(std::string_view relativePath) const
{
    std::vector<std::string> names;
    const std::string path = PathOf(relativePath);
    DIR* directory = ::opendir(path.c_str());
    if (directory == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(directory)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    ::closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> SysfsReader::LinkTargetName(std::string_view relativePath) const
{
    const std::string path = PathOf(relativePath);
    char target[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) {
        return std::nullopt;
    }
    std::string_view targetPath(target, static_cast<std::size_t>(length));
    while (targetPath.size() > 1 && targetPath.back() == '/') {
        targetPath.remove_suffix(1);
    }
    const std::size_t slash = targetPath.rfind('/');
    if (slash != std::string_view::npos && targetPath.size() > 1) {
        targetPath.remove_prefix(slash + 1);
    }
    return std::string(targetPath);
}

bool SysfsReader::Exists(std::string_view relativePath) const
{
    struct stat status {};
    return ::stat(PathOf(relativePath).c_str(), &status) == 0;
}

} // namespace corvo::platform
