// The hosts' own logic: identifiers, matching of test names, exit status, result names, the console
// progress bar, and the translation of composed message texts. The argument grammars are checked
// through the programs themselves.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>

#include <tuple>

#include "ConsoleReport.h"
#include "MessageTranslator.h"
#include "TestOutcome.h"
#include "TestSelection.h"
#include "module/ObjectId.h"
#include "module/TestResult.h"

namespace {

using namespace corvo::hosts;

TEST(HostsTest, IdentifierKeyPacksTheNumbersAsGivenWhileTheFieldsAreMasked)
{
    // What spills over 24 bits stays in the key, so it makes another identifier.
    for (const auto& [identifier, key, text] : std::vector<std::tuple<ObjectId, uint64_t, std::string>>{
             {{10, 0, 0}, 10ull << 48, "10.0.0"}, {{0xFFFF, 0xFFFFFF, 0xFFFFFF}, ~0ull, "65535.16777215.16777215"},
             {{10, 0x1000001, 0xABCDEF12}, (10ull << 48) | (0x1000001ull << 24) | 0xABCDEF12ull, "10.1.13496082"},
             {{10, 1, 0x2000003}, (10ull << 48) | (1ull << 24) | 0x2000003ull, "10.1.3"}}) {
        EXPECT_EQ(identifier.GetKey(), key) << text;
        EXPECT_EQ(identifier.ToString(), text);
    }
    EXPECT_EQ(ObjectId(10, 0x1000001, 0xABCDEF12).GetIndex(), 0xCDEF12u);
    EXPECT_NE(ObjectId(10, 1, 0x2000003), ObjectId(10, 1, 3));
    EXPECT_LT(ObjectId(10, 0, 5), ObjectId(10, 1, 0));
}

const std::vector<TestNames> kKeyboardNames = {{ObjectId(10, 1, 1), {"p", "ps2", 0}, "PS2_KEYBOARD_TEST"},
                                               {ObjectId(10, 1, 2), {"u", "usb", 0}, "USB_KEYBOARD_TEST"},
                                               {ObjectId(10, 1, 3), {"k", "key", 0}, "KEYCODE_VERIFICATION_TEST"},
                                               {ObjectId(10, 1, 4), {"a", "adv", 0}, "ADVANCED_TEST"}};
// Two name keys with the same first word; the second test has no command names.
const std::vector<TestNames> kAmbiguousNames = {{ObjectId(10, 1, 1), {"p", "ps2", 0}, "USB_A_TEST"},
                                                {ObjectId(10, 1, 2), {"", "", 0}, "USB_B_TEST"}};

TEST(HostsTest, TestListsMatchCommandNamesThenTheFirstWordOfANameKey)
{
    const std::string known = " (known: p/ps2, u/usb, k/key, a/adv)";
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"p", "1"}, {"ps2", "1"}, {"u", "2"}, {"usb", "2"}, {"key", "3"}, {"k,a,k", "3 4"},
        // The first word of the name key, or the whole key, in any case.
        {"keycode", "3"}, {"KeyCode", "3"}, {"advanced", "4"}, {"usb_keyboard_test", "2"},
        // In the order given, each test once; quotes survive when no shell stood in between.
        {"u, keycode,ps2,u", "2 3 1"}, {"\"p,u\"", "1 2"}, {" ps2 , usb ", "1 2"},
        // Command names are exact; only name keys ignore case.
        {"P", "unknown test 'P'" + known}, {"z", "unknown test 'z'" + known},
        {"keyboard", "unknown test 'keyboard'" + known}, {"p,nope,u", "unknown test 'nope'" + known},
        {"", "empty test name in list ''"}, {"p,", "empty test name in list 'p,'"},
        {",u", "empty test name in list ',u'"}, {"\"p,,u\"", "empty test name in list '\"p,,u\"'"},
        {"\"\"", "empty test name in list '\"\"'"}, {" , ", "empty test name in list ' , '"}};
    for (const auto& [list, expected] : rows) {
        std::vector<ObjectId> chosen;
        std::string error;
        const bool matched = MatchTestList(kKeyboardNames, list, chosen, error);
        std::string indices;
        for (const ObjectId& identifier : chosen) {
            indices += (indices.empty() ? "" : " ") + std::to_string(identifier.GetIndex());
        }
        EXPECT_EQ(matched ? indices : error, expected) << "'" << list << "'";
    }

    std::string error;
    ObjectId match(7, 7, 7);
    EXPECT_FALSE(MatchTest(kAmbiguousNames, "usb", match, error));
    EXPECT_EQ(error, "ambiguous test 'usb' (known: p/ps2)");
    EXPECT_EQ(match, ObjectId(7, 7, 7)) << "no candidate is picked";
}

TEST(HostsTest, WorstOutcomeDecidesTheExitStatus)
{
    const std::vector<std::pair<std::vector<uint32_t>, int>> rows = {
        {{}, kExitPassed}, {{Passed, PassedWithWarnings}, kExitPassed}, {{Passed, NotRun}, kExitNotRun},
        {{Aborted, Passed}, kExitNotRun}, {{NotRun, Failed, Passed}, kExitFailed},
        {{Failed, InternalError}, kExitError}, {{InternalError, Failed}, kExitError}, {{2u}, kExitError},
        {{77u, Passed}, kExitError}};
    for (const auto& [results, status] : rows) {
        EXPECT_EQ(ExitStatusFor(results), status) << ::testing::PrintToString(results);
    }
}

// The names of the known results are in every host's output, checked through the programs.
TEST(HostsTest, NamesAndProgressBar)
{
    EXPECT_EQ(ResultName(2), "unknown result 2");
    EXPECT_EQ(MessageKindName(Information) + MessageKindName(Warning) + MessageKindName(FailureDetail) +
                  MessageKindName(3), "infowarningfailurekind 3");
    // In proportion, clamped at one hundred.
    const auto bar = [](uint8_t percent) { return cli::ConsoleReport::Bar(percent, 10); };
    EXPECT_EQ(bar(0) + bar(35) + bar(100) + bar(250),
              "[----------]   0%[###-------]  35%[##########] 100%[##########] 100%");
}

TEST(HostsTest, TranslatorLoadsTheFirstCatalogueFoundAndTranslatesComposedTexts)
{
    MessageTranslator missing;
    EXPECT_FALSE(missing.Install("xx_XX", {"/nonexistent/folder"}));

    MessageTranslator translator;
    const std::string folder = QFileInfo(QStringLiteral(KEYBOARD_QM_FILE)).absolutePath().toStdString();
    ASSERT_TRUE(translator.Install("en_US", {"/nonexistent/folder", folder}));
    for (const auto& [text, translated] : std::vector<std::pair<std::string, std::string>>{
             {"USB_KEYBOARD_TEST", "USB Keyboard Test"},
             // The device hint: two keys joined by ": ", or a key and a name.
             {"POSSIBLE_DEFECTIVE_COMPONENTS: KEYBOARD", "Possible defective components: Keyboard"},
             {"POSSIBLE_DEFECTIVE_COMPONENTS: KB-101", "Possible defective components: KB-101"},
             // A key followed by a device name: the longest leading key wins over "USB_KEYBOARD".
             {"USB_KEYBOARD_FAIL_MESSAGE[- - -]", "This USB keyboard does not identify itself: [- - -]"},
             {"", ""}, {"plain text, no key", "plain text, no key"}}) {
        EXPECT_EQ(MessageTranslator::Translate(text), translated);
    }
}

} // namespace
