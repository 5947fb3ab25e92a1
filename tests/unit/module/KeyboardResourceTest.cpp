// The keyboard resource's names, descriptions, command names, parameters and help text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/KeyboardResource.h"

namespace {

ObjectId Id(uint16_t module, uint32_t group, uint32_t index) { return ObjectId(module, group, index); }

struct NameRow {
    uint32_t index;
    std::string diagnosticName;
    std::string testName;
    std::string diagnosticDescription;
    std::string testDescription;
};

class KeyboardResourceNameTest : public ::testing::TestWithParam<NameRow> {};

TEST_P(KeyboardResourceNameTest, AnswersEachSlotForItsIdentifierOnly)
{
    KeyboardResource resource(Id(10, 0, 0));
    const NameRow row = GetParam();
    const ObjectId identifier = Id(10, 1, row.index);
    EXPECT_EQ(resource.GetDiagnosticName(identifier), row.diagnosticName);
    EXPECT_EQ(resource.GetTestName(identifier), row.testName);
    EXPECT_EQ(resource.GetDiagnosticDescription(identifier), row.diagnosticDescription);
    EXPECT_EQ(resource.GetTestDescription(identifier), row.testDescription);
}

INSTANTIATE_TEST_SUITE_P(
    Identifiers, KeyboardResourceNameTest,
    ::testing::Values(NameRow{0, "QUICK_KEYBOARD", "", "QUICK_KEYBOARD_TESTS_TOOLTIP", ""},
                      NameRow{1, "", "PS2_KEYBOARD_TEST", "", "PS2_KEYBOARD_TEST_DESCRIPTION"},
                      NameRow{2, "", "USB_KEYBOARD_TEST", "", "USB_KEYBOARD_TEST_DESCRIPTION"},
                      NameRow{3, "", "KEYCODE_VERIFICATION_TEST", "", "KEYCODE_VERIFICATION_TEST_DESCRIPTION"},
                      NameRow{4, "", "ADVANCED_TEST", "", "ADVANCED_TEST_DESCRIPTION"},
                      NameRow{5, "", "", "", ""}));

TEST(KeyboardResourceTest, IdentifiersOfOtherModulesOrGroupsMatchNothing)
{
    KeyboardResource resource(Id(10, 0, 0));
    for (const ObjectId& identifier : {Id(11, 1, 1), Id(10, 2, 1), Id(10, 0, 0), Id(9, 1, 0)}) {
        EXPECT_EQ(resource.GetDiagnosticName(identifier), "") << identifier.ToString();
        EXPECT_EQ(resource.GetTestName(identifier), "") << identifier.ToString();
        EXPECT_EQ(resource.GetDiagnosticDescription(identifier), "") << identifier.ToString();
        EXPECT_EQ(resource.GetTestDescription(identifier), "") << identifier.ToString();
    }
}

TEST(KeyboardResourceTest, NamesTheModuleAndLeavesTheHostValueZero)
{
    KeyboardResource resource(Id(10, 0, 0));
    EXPECT_EQ(resource.GetModuleName(), "KEYBOARD");
    EXPECT_EQ(resource.GetShortName(), "KB");
    EXPECT_EQ(resource.GetHostValue(), 0u);
    EXPECT_TRUE(resource.GetParameters().empty());
}

TEST(KeyboardResourceTest, CommandNamesInIdentifierOrder)
{
    KeyboardResource resource(Id(10, 0, 0));
    const CommandNameMap tests = resource.GetTestCommandNames();
    ASSERT_EQ(tests.size(), 4u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"p", "ps2"}, {"u", "usb"}, {"k", "key"}, {"a", "adv"}};
    std::size_t position = 0;
    for (const auto& [identifier, entry] : tests) {
        EXPECT_EQ(identifier, Id(10, 1, static_cast<uint32_t>(position + 1)));
        EXPECT_EQ(entry.shortName, expected[position].first);
        EXPECT_EQ(entry.longName, expected[position].second);
        EXPECT_EQ(entry.selectorKind, 2u);
        ++position;
    }

    const CommandNameMap diagnostics = resource.GetDiagnosticCommandNames();
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics.begin()->first, Id(10, 1, 0));
    EXPECT_EQ(diagnostics.begin()->second.shortName, "Q");
    EXPECT_EQ(diagnostics.begin()->second.longName, "quick");
    EXPECT_EQ(diagnostics.begin()->second.selectorKind, 2u);
}

TEST(KeyboardResourceTest, ParametersAreCopiedInAndOut)
{
    KeyboardResource resource(Id(10, 0, 0));
    ParameterTable parameters{{0, "0 - 10"}, {1, ""}, {2, ""}};
    resource.SetParameters(parameters);
    parameters[0] = "changed by the caller";

    ParameterTable copy = resource.GetParameters();
    EXPECT_EQ(copy, (ParameterTable{{0, "0 - 10"}, {1, ""}, {2, ""}}));
    copy[7] = "changed by the host";
    EXPECT_EQ(resource.GetParameters().size(), 3u);
}

TEST(KeyboardResourceTest, HelpTextIsTheNineteenLinesByteForByte)
{
    KeyboardResource resource(Id(10, 0, 0));
    const std::string expected =
        "Keyboard Module help:\n"
        "  Usage: HalvikDiagnosticsCLI -Mkeyboard [diagnostic]\"[test(s)]\"\n"
        " Diagnostics:\n"
        "   -Q, --quick  Runs all test(s) of Keyboard diagnostic\n"
        "   -Q\"[test(s)]\", --quick=\"[test(s)]\"  Runs chosen test(s) of Keyboard diagnostic\n"
        "\n"
        " Quick Tests:\n"
        "   p, ps2        PS/2 Keyboard Test\n"
        "   u, usb        USB Keyboard Test\n"
        "   k, key        Keycode Verification Test (Unavailable on CLI)\n"
        "   a, adv        Advanced Test (Unavailable on CLI)\n"
        "\n"
        " Examples:\n"
        "  => Performs tests on PS/2 keyboards:\n"
        "      HalvikDiagnosticsCLI -Mkeyboard -Q\"p\"\n"
        "\n"
        "  => Performs tests on PS/2 and USB on keyboards:\n"
        "      HalvikDiagnosticsCLI -Mkeyboard -Q\"p,u\"\n"
        "\n";
    const std::string help = resource.GetHelpText();
    EXPECT_EQ(help, expected);

    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = help.find('\n'); end != std::string::npos; end = help.find('\n', start)) {
        lines.push_back(help.substr(start, end - start));
        start = end + 1;
    }
    EXPECT_EQ(start, help.size()) << "the text ends with a line feed";
    ASSERT_EQ(lines.size(), 19u);
    for (std::size_t emptyLine : {6u, 12u, 16u, 19u}) {
        EXPECT_TRUE(lines[emptyLine - 1].empty()) << "line " << emptyLine;
    }
}

} // namespace
