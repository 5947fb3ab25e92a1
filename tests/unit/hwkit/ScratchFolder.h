// A throw-away folder for tests that build small sysfs trees and temporary-folder cases on disk.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hwkit_test {

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "hwkit-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch folder");
        }
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        // A test may have left a folder without permissions; give them back so removal works.
        for (auto it = std::filesystem::recursive_directory_iterator(
                 path_, std::filesystem::directory_options::skip_permission_denied, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (!it->is_symlink(ignored) && it->is_directory(ignored)) {
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ignored);
            }
        }
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Root() const { return path_.string(); }

    // Writes a file, making its folders; the bytes are written exactly as given.
    void Write(std::string_view relativePath, std::string_view content) const
    {
        const std::filesystem::path file = path_ / relativePath;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        stream.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!stream) {
            throw std::runtime_error("cannot write " + file.string());
        }
    }
    void Write(std::string_view relativePath, const std::vector<uint8_t>& content) const
    {
        Write(relativePath, std::string_view(reinterpret_cast<const char*>(content.data()), content.size()));
    }
    // A sysfs attribute: the value with the newline the kernel ends it with.
    void Attribute(std::string_view relativePath, std::string_view value) const
    {
        Write(relativePath, std::string(value) + "\n");
    }
    void Folder(std::string_view relativePath) const { std::filesystem::create_directories(path_ / relativePath); }
    void Link(std::string_view relativePath, std::string_view target) const
    {
        const std::filesystem::path link = path_ / relativePath;
        std::filesystem::create_directories(link.parent_path());
        std::filesystem::create_symlink(std::string(target), link);
    }

private:
    std::filesystem::path path_;
};

} // namespace hwkit_test
