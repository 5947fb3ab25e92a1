// The command-line host in the language the module chooses: both catalogues of it installed, the
// choice made from config.ini or the environment, English in place of a catalogue that is missing.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

#include <filesystem>
#include <string>
#include <vector>

#include "../../support/ScratchFolder.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A copy of the host with a catalogue folder of its own, as a build tree lays it out, holding the
// English catalogues and one-entry stand-ins for German (both) and Japanese (the module's only).
void LayOut(const ScratchFolder& folder)
{
    namespace fs = std::filesystem;
    folder.Add("bin/translations/");
    fs::copy_file(CLI_PATH, folder.Path("bin/HalvikDiagnosticsCLI"));
    for (const char* english : {"keyboard_en_US.qm", "halvik-diagnostics_en_US.qm"}) {
        fs::copy_file(std::string(CATALOGUE_FOLDER "/") + english, folder.Path("bin/translations/") + english);
    }
    const std::vector<std::vector<std::string>> standIns = {
        {"keyboard_de_DE", "KEYBOARD", "QUICK_KEYBOARD", "Tastatur-Schnelltests (Ersatz)"},
        {"halvik-diagnostics_de_DE", "HalvikDiagnosticsCLI", "Tests:", "Prüfungen:"},
        {"keyboard_ja_JP", "KEYBOARD", "QUICK_KEYBOARD", "キーボード簡易テスト"}};
    for (const auto& entry : standIns) {
        const std::string source = folder.Write(entry[0] + ".ts", "<TS version=\"2.1\"><context><name>" + entry[1]
                                                    + "</name><message><source>" + entry[2] + "</source><translation>"
                                                    + entry[3] + "</translation></message></context></TS>\n");
        const std::string compiled = folder.Path("bin/translations/" + entry[0] + ".qm");
        ASSERT_EQ(QProcess::execute(LRELEASE, {"-silent", source.c_str(), "-qm", compiled.c_str()}), 0) << entry[0];
    }
}

TEST(LanguagesCliTest, BothCataloguesFollowTheModulesChoice)
{
    ScratchFolder folder;
    LayOut(folder);
    folder.Add("work/");
    struct Row {
        const char* name;
        QStringList environment;
        const char* config; // config.ini in the working folder; null for none
        std::vector<const char*> shown;
        const char* warning; // what the one warning says; null for none
    };
    const char* const german[] = {"Diagnostic 10.1.0: Tastatur-Schnelltests (Ersatz)", "\nPrüfungen:\n"};
    const char* const english[] = {"Diagnostic 10.1.0: Quick Keyboard Tests", "\nTests:\n"};
    // Which language wins is the choice's own test; here, that both catalogues follow it.
    const std::vector<Row> rows = {
        {"a German desktop", {"LANG=de_DE.UTF-8", "LANGUAGE=de:en"}, nullptr, {german[0], german[1]}, nullptr},
        {"only the module's catalogue of the language", {"LANG=de"}, "[LANGUAGE]\nDEFAULT_LANGUAGE = japanese\n",
         {"キーボード簡易テスト", english[1]}, "warning: halvik-diagnostics_ja_JP.qm not found in "},
        {"no catalogue of the language", {"LANG=fr_FR.UTF-8"}, nullptr, {english[0], english[1]},
         "warning: keyboard_fr_FR.qm, halvik-diagnostics_fr_FR.qm not found in "}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(folder.Path("work/config.ini"));
        if (row.config != nullptr) {
            folder.Write("work/config.ini", row.config);
        }
        QStringList environment = QProcess::systemEnvironment().filter(QRegularExpression("^(?!LANG|LC_)"));
        QProcess cli;
        cli.setEnvironment(environment + row.environment);
        cli.start(folder.Path("bin/HalvikDiagnosticsCLI").c_str(),
                  {"--module-path=" MODULE_PATH, ("--workdir=" + folder.Path("work")).c_str(), "--list"});
        ASSERT_TRUE(cli.waitForFinished(60000));
        const std::string out = cli.readAllStandardOutput().toStdString();
        const std::string err = cli.readAllStandardError().toStdString();
        EXPECT_EQ(cli.exitCode(), 0) << err;
        for (const char* part : row.shown) {
            EXPECT_TRUE(Contains(out, part)) << part << " in\n" << out;
        }
        EXPECT_EQ(Contains(err, "warning"), row.warning != nullptr) << err;
        if (row.warning != nullptr) {
            EXPECT_TRUE(Contains(err, row.warning) && Contains(err, "showing English instead")) << err;
            EXPECT_EQ(err.find("warning"), err.rfind("warning")) << "one warning: " << err;
        }
    }
}

} // namespace
