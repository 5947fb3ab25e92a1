// The keyboard module's names, descriptions, command-line help and quick-test names.
#include "module/KeyboardResource.h"

#include <array>

#include "module/MessageKeys.h"

namespace {

using namespace corvo::keyboard;

// The suite's command-line program, named in the help text's usage line and examples.
constexpr char kCommandLineProgram[] = "HalvikDiagnosticsCLI";
constexpr uint32_t kSelectorKind = 2;

struct NameRow {
    uint32_t index;
    const char* name;
    const char* description;
};

// Names and descriptions by test index; index 0 is the diagnostic itself.
constexpr std::array<NameRow, 5> kNames = {{
    {0, keys::kQuickKeyboard, keys::kQuickKeyboardTestsTooltip},
    {kPs2TestIndex, keys::kPs2KeyboardTest, keys::kPs2KeyboardTestDescription},
    {kUsbTestIndex, keys::kUsbKeyboardTest, keys::kUsbKeyboardTestDescription},
    {kKeycodeTestIndex, keys::kKeycodeVerificationTest, keys::kKeycodeVerificationTestDescription},
    {kAdvancedTestIndex, keys::kAdvancedTest, keys::kAdvancedTestDescription},
}};

const NameRow* FindRow(const ObjectId& identifier)
{
    for (const NameRow& row : kNames) {
        if (ObjectId(kKeyboardModuleNumber, kDiagnosticGroup, row.index) == identifier) {
            return &row;
        }
    }
    return nullptr;
}

bool IsDiagnostic(const NameRow* row) { return row != nullptr && row->index == 0; }
bool IsTest(const NameRow* row) { return row != nullptr && row->index != 0; }

} // namespace

KeyboardResource::KeyboardResource(const ObjectId& identifier) : Resource(identifier)
{
    m_moduleName = "KEYBOARD";
    m_shortName = "KB";

    const std::string program = kCommandLineProgram;
    const std::array<std::string, 19> lines = {
        "Keyboard Module help:",
        "  Usage: " + program + " -Mkeyboard [diagnostic]\"[test(s)]\"",
        " Diagnostics:",
        "   -Q, --quick  Runs all test(s) of Keyboard diagnostic",
        "   -Q\"[test(s)]\", --quick=\"[test(s)]\"  Runs chosen test(s) of Keyboard diagnostic",
        "",
        " Quick Tests:",
        "   p, ps2        PS/2 Keyboard Test",
        "   u, usb        USB Keyboard Test",
        "   k, key        Keycode Verification Test (Unavailable on CLI)",
        "   a, adv        Advanced Test (Unavailable on CLI)",
        "",
        " Examples:",
        "  => Performs tests on PS/2 keyboards:",
        "      " + program + " -Mkeyboard -Q\"p\"",
        "",
        "  => Performs tests on PS/2 and USB on keyboards:",
        "      " + program + " -Mkeyboard -Q\"p,u\"",
        "",
    };
    for (const std::string& line : lines) {
        m_helpText += line;
        m_helpText += '\n';
    }

    m_diagnosticNames.emplace(ObjectId(kKeyboardModuleNumber, kDiagnosticGroup, 0),
                              CommandNameEntry{"Q", "quick", kSelectorKind});
    m_testNames.emplace(ObjectId(kKeyboardModuleNumber, kDiagnosticGroup, kPs2TestIndex),
                        CommandNameEntry{"p", "ps2", kSelectorKind});
    m_testNames.emplace(ObjectId(kKeyboardModuleNumber, kDiagnosticGroup, kUsbTestIndex),
                        CommandNameEntry{"u", "usb", kSelectorKind});
    m_testNames.emplace(ObjectId(kKeyboardModuleNumber, kDiagnosticGroup, kKeycodeTestIndex),
                        CommandNameEntry{"k", "key", kSelectorKind});
    m_testNames.emplace(ObjectId(kKeyboardModuleNumber, kDiagnosticGroup, kAdvancedTestIndex),
                        CommandNameEntry{"a", "adv", kSelectorKind});
}

KeyboardResource::~KeyboardResource() = default;

std::string KeyboardResource::GetDiagnosticName(const ObjectId& identifier)
{
    const NameRow* row = FindRow(identifier);
    return IsDiagnostic(row) ? row->name : std::string();
}

std::string KeyboardResource::GetTestName(const ObjectId& identifier)
{
    const NameRow* row = FindRow(identifier);
    return IsTest(row) ? row->name : std::string();
}

std::string KeyboardResource::GetDiagnosticDescription(const ObjectId& identifier)
{
    const NameRow* row = FindRow(identifier);
    return IsDiagnostic(row) ? row->description : std::string();
}

std::string KeyboardResource::GetTestDescription(const ObjectId& identifier)
{
    const NameRow* row = FindRow(identifier);
    return IsTest(row) ? row->description : std::string();
}
