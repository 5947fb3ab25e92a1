// Choosing and installing the module's and the host's catalogues.
#include "Catalogues.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include "module/Language.h"
#include "platform/UiLanguageSource.h"
#include "utils/ConfigFile.h"

namespace corvo::hosts {

std::string ChooseCatalogueLanguage(const std::string& workDirectory, const platform::UiLanguageSource& system)
{
    namespace config = corvo::utils::config;
    config::ConfigData data;
    // The module's own reader, so that a file it reads only in part gives the same answer here.
    config::LoadConfig(workDirectory + "/" + config::kConfigFileName, data);
    const std::string chosen = keyboard::ChooseLanguage(
        config::GetConfigValue(data, config::kSectionLanguage, config::kKeyDefaultLanguage),
        system.PreferredUiLanguages(), {});
    // The module keeps the system's spelling ("DE_de"); files are named by the code.
    return keyboard::LanguageCodeForName(keyboard::ToLowerAscii(chosen));
}

bool InstalledCatalogue::Install(const std::string& name, const std::string& language,
                                 const std::vector<std::string>& folders)
{
    // A whole path: QTranslator's own search would take "keyboard_de.qm" or "keyboard.qm" for a
    // missing "keyboard_de_DE.qm", a catalogue we never ship.
    const QString file = QStringLiteral("%1_%2.qm").arg(QString::fromStdString(name), QString::fromStdString(language));
    for (const std::string& folder : folders) {
        const QString path = QString::fromStdString(folder) + QLatin1Char('/') + file;
        if (!QFileInfo::exists(path)) {
            continue;
        }
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(path) && QCoreApplication::installTranslator(translator.get())) {
            m_translator = std::move(translator);
            m_path = path.toStdString();
            return true;
        }
    }
    return false;
}

std::string HostCatalogues::Install(const std::string& language, const std::vector<std::string>& folders)
{
    QStringList missing;
    for (auto [catalogue, name] : {std::pair{&m_module, kModuleCatalogue}, std::pair{&m_host, kHostCatalogue}}) {
        if (!catalogue->Install(name, language, folders)) {
            missing << QStringLiteral("%1_%2.qm").arg(QLatin1String(name), QString::fromStdString(language));
            if (language != keyboard::kDefaultLanguage) {
                catalogue->Install(name, keyboard::kDefaultLanguage, folders);
            }
        }
    }
    if (missing.isEmpty()) {
        return {};
    }
    QStringList searched;
    for (const std::string& folder : folders) {
        searched << QString::fromStdString(folder);
    }
    // Installed by now, so the warning itself is in the best language there is.
    const QString warning = m_module.Path().empty()
        ? QCoreApplication::translate("Catalogues", "%1 not found in %2: showing message keys")
        : QCoreApplication::translate("Catalogues", "%1 not found in %2: showing English instead");
    return warning.arg(missing.join(QStringLiteral(", ")), searched.join(QStringLiteral(", "))).toStdString();
}

} // namespace corvo::hosts
