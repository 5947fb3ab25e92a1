// The hosts' own logic: identifiers, matching of test names, exit status, result names, the console
// progress, which keyboard a message is about, and the translation of composed message texts. The
// argument grammars are checked through the programs themselves.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string_view>
#include <tuple>

#include "ConsoleReport.h"
#include "MessageAttribution.h"
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

// What a log or a terminal shows of a run, by the second: progress never goes back, each line says
// how long the test has run, and a long silent step still shows that the test is alive.
TEST(HostsTest, ProgressShowsElapsedTimeNeverGoesBackAndKeepsShowingLife)
{
    // "p50 @3": progress 50 at second 3; "p100:why": with a text; "t": a tick of the waiting thread.
    const struct {
        const char* name;
        bool bar;
        const char* steps;
        std::string output;
    } rows[] = {
        {"the PS/2 test's 100 with a warning, then 75", false, "p0 @2 p25 @3 p50 p100:why p75 @4 p100",
         "  progress 0% (0:00)\n  progress 25% (0:02)\n  progress 50% (0:03)\n  progress 100% (0:03): why\n"},
        {"a text at an unchanged percentage", false, "p50 @1 p50:why p50", "  progress 50% (0:00)\n"
                                                                          "  progress 50% (0:01): why\n"},
        {"a keyboard that never answers", false, "p25 t @29 t @30 t @31 t @60 t @3725 t",
         "  progress 25% (0:00)\n  progress 25% (0:30)\n  progress 25% (1:00)\n  progress 25% (1:02:05)\n"},
        {"the bar each second", true, "t @0.5 t @1 t p25 @2 t p10 t",
         "\r  " + cli::ConsoleReport::Bar(0, 30) + " 0:00\r  " + cli::ConsoleReport::Bar(0, 30) + " 0:01\r  "
             + cli::ConsoleReport::Bar(25, 30) + " 0:01\r  " + cli::ConsoleReport::Bar(25, 30) + " 0:02\r  "
             + cli::ConsoleReport::Bar(25, 30) + " 0:02"},
    };
    for (const auto& row : rows) {
        char* buffer = nullptr;
        std::size_t size = 0;
        std::FILE* out = open_memstream(&buffer, &size);
        double now = 0;
        const auto clock = [&now] {
            using std::chrono::steady_clock;
            return steady_clock::time_point(
                std::chrono::duration_cast<steady_clock::duration>(std::chrono::duration<double>(now)));
        };
        cli::ConsoleReport console(out, row.bar, clock);
        console.BeginTest(1, 1, "T");
        std::istringstream steps(row.steps);
        for (std::string step; steps >> step;) {
            if (step[0] == '@') {
                now = std::stod(step.substr(1));
            } else if (step == "t") {
                console.Tick();
            } else {
                const std::size_t colon = step.find(':');
                console.Progress(static_cast<uint8_t>(std::stoi(step.substr(1, colon - 1))),
                                 colon == std::string::npos ? "" : step.substr(colon + 1));
            }
        }
        std::fclose(out);
        const std::string text(buffer, size);
        std::free(buffer);
        EXPECT_EQ(text.substr(text.find('\n') + 1), row.output) << row.name;
    }
}

// Which keyboard a warning or a failure is about, from what the test reported before it.
TEST(HostsTest, FindingsNameTheKeyboardTheTestWasCheckingThen)
{
    using Kind = KeyboardDevice::Kind;
    // "p33": progress 33; "w", "f", "i": a warning, failure or information message, "=2" the
    // position of its keyboard in the list, "=-" none.
    const struct {
        const char* name;
        const char* test;
        std::vector<Kind> keyboards;
        const char* steps;
    } rows[] = {
        {"USB, three keyboards after a PS/2 one", "USB_KEYBOARD_TEST", {Kind::Ps2, Kind::Usb, Kind::Usb, Kind::Usb},
         "p0 i=- p0 w=1 p33 p66 f=3 w=3 i=- p100 w=-"},
        {"USB, the report at the start is no keyboard's", "USB_KEYBOARD_TEST", {Kind::Usb}, "p0 w=- p0 w=0"},
        {"USB, a step it does not know", "USB_KEYBOARD_TEST", {Kind::Usb, Kind::Usb}, "p0 p0 p40 w=- p50 w=1"},
        {"PS/2: its one keyboard throughout", "PS2_KEYBOARD_TEST", {Kind::Usb, Kind::Ps2}, "w=1 p25 p100 f=1 i=-"},
        {"the interactive tests check no one keyboard", "KEYCODE_VERIFICATION_TEST", {Kind::Ps2}, "w=- p50 f=-"},
    };
    const auto keyboard = [](Kind kind) {
        KeyboardDevice device;
        device.kind = kind;
        return device;
    };
    for (const auto& row : rows) {
        std::vector<KeyboardDevice> keyboards;
        for (const Kind kind : row.keyboards) {
            keyboards.push_back(keyboard(kind));
        }
        MessageAttribution attribution(row.test, keyboards);
        std::istringstream steps(row.steps);
        std::string seen;
        for (std::string step; steps >> step;) {
            if (step[0] == 'p') {
                attribution.Progress(static_cast<uint8_t>(std::stoi(step.substr(1))));
                seen += step + " ";
                continue;
            }
            const std::optional<std::size_t> about =
                attribution.Message(step[0] == 'w' ? Warning : step[0] == 'f' ? FailureDetail : Information);
            seen += step.substr(0, 2) + (about ? std::to_string(*about) : "-") + " ";
        }
        EXPECT_EQ(seen, std::string(row.steps) + " ") << row.name;
    }
    // With more keyboards than percentages, each report of a repeated percentage is the next keyboard.
    MessageAttribution many("USB_KEYBOARD_TEST", std::vector<KeyboardDevice>(101, keyboard(Kind::Usb)));
    for (uint8_t percent : {0, 0, 0}) {
        many.Progress(percent);
    }
    EXPECT_EQ(many.Message(Warning), std::optional<std::size_t>(1));
}

// Counts the characters of every lookup in the module's context, and finds nothing itself.
class LookupCounter : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        characters += std::string_view(context) == "KEYBOARD" ? std::strlen(source) : 0;
        return {};
    }
    mutable std::size_t characters = 0;
};

TEST(HostsTest, TranslatorLoadsTheFirstCatalogueFoundAndTranslatesComposedTexts)
{
    MessageTranslator missing;
    EXPECT_FALSE(missing.Install("xx_XX", {"/nonexistent/folder"}));

    MessageTranslator translator;
    const std::string folder = QFileInfo(QStringLiteral(KEYBOARD_QM_FILE)).absolutePath().toStdString();
    ASSERT_TRUE(translator.Install("en_US", {"/nonexistent/folder", folder}));
    LookupCounter counter;
    QCoreApplication::installTranslator(&counter);
    // Hostile firmware may name a device with 65 KB: looking it up must cost in proportion.
    const std::string name(65536, 'K');
    for (const auto& [text, translated] : std::vector<std::pair<std::string, std::string>>{
             {"USB_KEYBOARD_TEST", "USB Keyboard Test"},
             // The device hint: two keys joined by ": ", or a key and a name.
             {"POSSIBLE_DEFECTIVE_COMPONENTS: KEYBOARD", "Possible defective components: Keyboard"},
             {"POSSIBLE_DEFECTIVE_COMPONENTS: KB-101", "Possible defective components: KB-101"},
             {"POSSIBLE_DEFECTIVE_COMPONENTS: " + name, "Possible defective components: " + name},
             // A key followed by a device name: the longest leading key wins over "USB_KEYBOARD".
             {"USB_KEYBOARD_FAIL_MESSAGE[- - -]", "This USB keyboard does not identify itself: [- - -]"},
             {"USB_KEYBOARD_FAIL_MESSAGE" + name, "This USB keyboard does not identify itself: " + name},
             {"", ""}, {"plain text, no key", "plain text, no key"}, {name, name}}) {
        counter.characters = 0;
        EXPECT_EQ(MessageTranslator::Translate(text), translated);
        EXPECT_LE(counter.characters, std::max<std::size_t>(text.size(), 64) * 16) << text.substr(0, 40);
    }
    QCoreApplication::removeTranslator(&counter);
}

} // namespace
