// A throw-away folder for the config files that the tests write, removed with the object.
#pragma once

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace corvo::utils::config {

class TemporaryConfigFolder {
public:
    bool IsValid() const { return folder_.isValid(); }

    std::filesystem::path Path() const { return std::filesystem::path(folder_.path().toStdString()); }

    // Writes the bytes exactly as given (binary), so tests control every line end themselves.
    std::string Write(std::string_view content, const std::string& name = "config.ini") const
    {
        const std::string path = (Path() / name).string();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        return out ? path : std::string();
    }

private:
    QTemporaryDir folder_;
};

} // namespace corvo::utils::config
