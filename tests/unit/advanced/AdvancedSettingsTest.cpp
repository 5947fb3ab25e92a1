// Strict mode and the configured layout: which values count, and that a later reading without
// them keeps what an earlier one gave.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <string>

#include "advanced/AdvancedTestSettings.h"

namespace {

using corvo::advanced::AdvancedTestSettings;
using corvo::advanced::ReadAdvancedTestSettings;

class AdvancedSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { corvo::advanced::ResetAdvancedTestSettings(); }
    void TearDown() override { corvo::advanced::ResetAdvancedTestSettings(); }

    AdvancedTestSettings Read(const std::string& text)
    {
        const std::string path = m_folder.filePath(QStringLiteral("config.ini")).toStdString();
        std::ofstream(path, std::ios::trunc) << text;
        return ReadAdvancedTestSettings(path);
    }

    QTemporaryDir m_folder;
};

TEST_F(AdvancedSettingsTest, NothingConfiguredMeansLenientAndNoLayout)
{
    const AdvancedTestSettings settings = ReadAdvancedTestSettings(m_folder.filePath("absent.ini").toStdString());
    EXPECT_EQ(settings.strictMode, 0);
    EXPECT_FALSE(settings.layoutPage.has_value());
}

TEST_F(AdvancedSettingsTest, ExactValuesCountAndOthersKeepThePreviousReading)
{
    AdvancedTestSettings settings = Read("[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 1\nADVANCED_TEST_LAYOUT = Pell-15(JP)\n");
    EXPECT_EQ(settings.strictMode, 1);
    EXPECT_EQ(settings.layoutPage, 10);

    for (const char* text : {"[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = yes\nADVANCED_TEST_LAYOUT = pell-15(jp)\n",
                             "[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 2\nADVANCED_TEST_LAYOUT = US\n",
                             "[OTHER]\nADVANCED_TEST_STRICT_MODE = 0\nADVANCED_TEST_LAYOUT = Rima\n", ""}) {
        SCOPED_TRACE(text);
        settings = Read(text);
        EXPECT_EQ(settings.strictMode, 1);
        EXPECT_EQ(settings.layoutPage, 10);
    }

    settings = Read("[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 0\nADVANCED_TEST_LAYOUT = Vesk-13(JP)\n");
    EXPECT_EQ(settings.strictMode, 0);
    EXPECT_EQ(settings.layoutPage, 12);
}

TEST_F(AdvancedSettingsTest, EveryLayoutNameSelectsItsPage)
{
    const char* names[] = {"Kora-14", "Rima", "Nerv", "Pell-14", "Tamb-14", "Pell-15", "Ozel",
                           "Sola", "ABNT2", "Juno(JP)", "Pell-15(JP)", "Kora-15(JP)", "Vesk-13(JP)"};
    for (int page = 0; page < 13; ++page) {
        EXPECT_EQ(Read(std::string("[KEYBOARD]\nADVANCED_TEST_LAYOUT = ") + names[page] + "\n").layoutPage, page)
            << names[page];
    }
}

} // namespace
