// The catalogues a host installs: the module's message keys and the host's own texts, both in the
// language the module's dialogs choose.
#pragma once

#include <QTranslator>

#include <memory>
#include <string>
#include <vector>

namespace corvo::platform {
class UiLanguageSource;
}

namespace corvo::hosts {

inline constexpr char kModuleCatalogue[] = "keyboard";
inline constexpr char kHostCatalogue[] = "halvik-diagnostics";

// The language code ("de_DE") the module's DetermineLanguage settles on when it runs in
// workDirectory: DEFAULT_LANGUAGE of config.ini there, else the system's first preferred language,
// else English.
std::string ChooseCatalogueLanguage(const std::string& workDirectory, const platform::UiLanguageSource& system);

// One <name>_<language>.qm installed in the application for as long as this object lives.
class InstalledCatalogue {
public:
    // From the first folder that has the file. The application object must exist.
    bool Install(const std::string& name, const std::string& language, const std::vector<std::string>& folders);
    const std::string& Path() const { return m_path; }

private:
    std::unique_ptr<QTranslator> m_translator;
    std::string m_path;
};

class HostCatalogues {
public:
    // Installs both catalogues of language from folders (CatalogueFoldersFor), the English one in
    // place of a file that is missing. Returns one warning naming what is missing and what is
    // shown instead; empty when both were found.
    std::string Install(const std::string& language, const std::vector<std::string>& folders);

    const InstalledCatalogue& Module() const { return m_module; }
    const InstalledCatalogue& Host() const { return m_host; }

private:
    InstalledCatalogue m_module;
    InstalledCatalogue m_host;
};

} // namespace corvo::hosts
