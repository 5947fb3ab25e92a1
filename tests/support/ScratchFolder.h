// A throw-away folder under the system's temporary directory, for sysfs trees, scenarios and
// stand-in device files; it goes away with the test.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "halvik-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            root_ = pattern;
        } else {
            ADD_FAILURE() << "no scratch folder at " << pattern;
        }
    }
    ~ScratchFolder() { std::filesystem::remove_all(root_, ignored_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "/" + relative; }
    // A folder for a path ending in "/", a link for content "->target", else a file of exactly these bytes.
    void Add(const std::string& relative, const std::string& content = "") const
    {
        std::filesystem::create_directories(std::filesystem::path(Path(relative)).parent_path());
        if (relative.back() == '/') {
            std::filesystem::create_directories(Path(relative));
        } else if (content.rfind("->", 0) == 0) {
            std::filesystem::create_symlink(content.substr(2), Path(relative));
        } else {
            Write(relative, content);
        }
    }
    // A file of exactly these bytes, whatever they start with; returns its path.
    std::string Write(const std::string& relative, const std::string& content) const
    {
        std::ofstream(Path(relative), std::ios::binary | std::ios::trunc) << content;
        return Path(relative);
    }
    std::string Read(const std::string& relative) const
    {
        std::ifstream file(Path(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

private:
    std::string root_ = "/nonexistent";
    mutable std::error_code ignored_;
};
