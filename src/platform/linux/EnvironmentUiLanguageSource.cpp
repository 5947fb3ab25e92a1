// Reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG with the precedence the C library applies.
#include "platform/linux/EnvironmentUiLanguageSource.h"

#include <cstdlib>
#include <sstream>
#include <string_view>
#include <utility>

namespace corvo::platform {

namespace {

std::optional<std::string> ReadEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

// The region a bare language name stands for: the one the suite's catalogues are written for, so
// that "LANGUAGE=de:en" or "LANG=de" shows German rather than falling back to English.
struct BareLanguage {
    std::string_view language;
    std::string_view region;
};
constexpr BareLanguage kBareLanguageRegions[] = {
    {"en", "US"}, {"es", "ES"}, {"fr", "FR"}, {"it", "IT"}, {"de", "DE"},
    {"nl", "NL"}, {"zh", "CN"}, {"ja", "JP"}, {"pt", "BR"},
};

} // namespace

EnvironmentUiLanguageSource::EnvironmentUiLanguageSource(Lookup lookup)
    : m_lookup(lookup ? std::move(lookup) : Lookup(ReadEnvironment))
{
}

std::string EnvironmentUiLanguageSource::LocaleToLanguageName(const std::string& locale)
{
    std::string name = locale.substr(0, locale.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") {
        return {};
    }
    for (char& c : name) {
        if (c == '_') {
            c = '-';
        }
    }
    for (const BareLanguage& bare : kBareLanguageRegions) {
        if (name == bare.language) {
            return name + "-" + std::string(bare.region);
        }
    }
    return name;
}

std::vector<std::string> EnvironmentUiLanguageSource::PreferredUiLanguages() const
{
    std::optional<std::string> locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = m_lookup(name);
        if (locale && !locale->empty()) {
            break;
        }
    }
    // In the "C" locale the C library ignores LANGUAGE; so does this source, so a machine set up
    // without a language does not pick one from a stray variable.
    if (!locale || LocaleToLanguageName(*locale).empty()) {
        return {};
    }

    std::vector<std::string> languages;
    if (const std::optional<std::string> list = m_lookup("LANGUAGE"); list && !list->empty()) {
        std::istringstream entries(*list);
        std::string entry;
        while (std::getline(entries, entry, ':')) {
            std::string language = LocaleToLanguageName(entry);
            if (!language.empty()) {
                languages.push_back(std::move(language));
            }
        }
    }
    if (languages.empty()) {
        languages.push_back(LocaleToLanguageName(*locale));
    }
    return languages;
}

const UiLanguageSource& SystemUiLanguages()
{
    static const EnvironmentUiLanguageSource source;
    return source;
}

} // namespace corvo::platform
