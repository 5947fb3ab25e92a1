// The user's interface languages as the C library's message catalogues would choose them.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/UiLanguageSource.h"

namespace corvo::platform {

class EnvironmentUiLanguageSource : public UiLanguageSource {
public:
    using Lookup = std::function<std::optional<std::string>(const char* name)>;

    // lookup reads an environment variable; the default reads the process environment.
    explicit EnvironmentUiLanguageSource(Lookup lookup = {});

    std::vector<std::string> PreferredUiLanguages() const override;

    // "de_DE.UTF-8@euro" -> "de-DE"; a bare language the catalogues are written in takes their
    // region ("de" -> "de-DE", "pt" -> "pt-BR"); empty for the "C" and "POSIX" locales and for
    // empty text.
    static std::string LocaleToLanguageName(const std::string& locale);

private:
    Lookup m_lookup;
};

} // namespace corvo::platform
