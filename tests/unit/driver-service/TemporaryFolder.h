// A folder under the system's temporary directory that a test owns and that goes away with it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace drivertest {

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "halvik-driver-service-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
        }
        EXPECT_FALSE(m_path.empty()) << "cannot create a temporary folder";
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return m_path; }

    std::string Write(const std::string& name, const std::string& contents) const
    {
        const std::string path = m_path + "/" + name;
        std::ofstream file(path, std::ios::binary);
        file << contents;
        EXPECT_TRUE(file.good()) << path;
        return path;
    }

private:
    std::string m_path;
};

} // namespace drivertest
