// Calls the loaded libkeyboard.so through a host's view of its interfaces, written from the slot
// tables alone and sharing no header with the module: a changed slot order or argument passing
// shows up as a wrong answer.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

// The host's side (the execution context and its sinks) is only named: with no execution the tests
// return before using it.
class ExecutionContext;

// Module side, called by the host; never destroyed by it.
namespace hostview {

class SystemComponent;

struct ObjectId {
    uint16_t module;
    uint32_t group;
    uint32_t index;
    uint64_t key;
};
struct IdLess {
    bool operator()(const ObjectId& a, const ObjectId& b) const { return a.key < b.key; }
};
struct NameEntry {
    std::string shortName, longName;
    uint32_t selectorKind;
};
struct HostRecord {
    std::string texts[5];
    uint64_t number;
    std::string text;
    uint32_t first, second;
};
using Names = std::map<ObjectId, NameEntry, IdLess>;
using Parameters = std::map<int32_t, std::string>;

struct Test {
    virtual ~Test() = default;
    virtual bool IsApplicable(SystemComponent* device) = 0;
    virtual uint32_t Run(ExecutionContext* execution) = 0;
    virtual bool IsInteractive() = 0;
    virtual bool Slot4() = 0;
    virtual std::vector<std::string> Slot5() = 0;
    virtual void Slot6(HostRecord record) = 0;
    virtual std::vector<std::string> Slot7() = 0;
    virtual bool Slot8() = 0;
    virtual bool Slot9() = 0;
    virtual bool SetConfiguration(std::map<std::string, std::map<std::string, std::string>> configuration) = 0;
    virtual void Slot11() = 0;
    ObjectId identifier;
};

struct Diagnostic {
    virtual ~Diagnostic() = default;
    virtual ObjectId GetIdentifier() = 0;
    virtual uint64_t GetTestCount() = 0;
    virtual Test* GetTest(uint32_t index) = 0;
    virtual Test* FindTest(ObjectId identifier) = 0;
};

struct Resource {
    virtual ~Resource() = default;
    virtual uint64_t GetHostValue() = 0;
    virtual std::string GetDiagnosticName(const ObjectId& identifier) = 0;
    virtual std::string GetTestName(const ObjectId& identifier) = 0;
    virtual std::string GetDiagnosticDescription(const ObjectId& identifier) = 0;
    virtual std::string GetTestDescription(const ObjectId& identifier) = 0;
    virtual std::string GetHelpText() = 0;
    virtual std::string GetModuleName() = 0;
    virtual std::string GetShortName() = 0;
    virtual Names GetTestCommandNames() = 0;
    virtual Names GetDiagnosticCommandNames() = 0;
    virtual Parameters GetParameters() = 0;
    virtual void SetParameters(const Parameters& parameters) = 0;
};

struct Module {
    virtual ~Module() = default;
    virtual Diagnostic* GetDiagnostic(uint32_t index) = 0;
    virtual uint64_t GetDiagnosticCount() = 0;
    virtual Resource* GetResource() = 0;
    virtual void* GetComponentManager() = 0;
    virtual void* GetExtraEntry(uint32_t index) = 0;
    virtual uint64_t GetExtraEntryCount() = 0;
    virtual void* GetExtraObject() = 0;
    virtual bool Slot8() = 0;
};

struct Version {
    virtual ~Version() = default;
    virtual uint32_t GetMajor() = 0;
    virtual uint32_t GetMinor() = 0;
    virtual uint32_t GetRevision() = 0;
    virtual uint32_t GetBuild() = 0;
};

// The key is packed from the numbers before they are masked.
ObjectId Id(uint16_t module, uint32_t group, uint32_t index)
{
    const uint64_t key = (uint64_t(module) << 48) | (uint64_t(group) << 24) | index;
    return ObjectId{module, group & 0xFFFFFFu, index & 0xFFFFFFu, key};
}

} // namespace hostview

namespace {

using namespace hostview;

// Every slot's answer written down as a host would see it; a null pointer shows as 0.
TEST(AbiTest, EverySlotAnswersThroughTheHostsView)
{
    void* library = dlopen(KEYBOARD_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto get = reinterpret_cast<Module* (*)()>(dlsym(library, "GetModuleInterfaceInstance"));
    const auto release = reinterpret_cast<void (*)()>(dlsym(library, "ReleaseModuleInterfaceInstance"));
    const auto productVersion = reinterpret_cast<Version* (*)()>(dlsym(library, "GetProductVersion"));
    ASSERT_TRUE(get != nullptr && release != nullptr && productVersion != nullptr);
    Version* version = productVersion();
    Module* module = get();
    ASSERT_TRUE(version != nullptr && module != nullptr && module->GetDiagnosticCount() == 1);
    Diagnostic* diagnostic = module->GetDiagnostic(0);
    Resource* resource = module->GetResource();
    ASSERT_TRUE(diagnostic != nullptr && resource != nullptr);

    // "10.1.0", and whether the key is the one packed from these numbers.
    const auto text = [](const ObjectId& id) {
        return std::to_string(id.module) + "." + std::to_string(id.group) + "." + std::to_string(id.index) +
            (id.key == Id(id.module, id.group, id.index).key ? "" : " (wrong key)");
    };
    // One line of answers; the answers of one line have no side effects, so their order does not matter.
    std::ostringstream seen;
    const auto line = [&seen](const auto& label, const auto&... answers) {
        seen << label;
        ((seen << ' ' << answers), ...);
        seen << '\n';
    };
    line("version", version->GetMajor(), version->GetMinor(), version->GetRevision(), version->GetBuild());
    line("module", get() == module, module->GetDiagnostic(1), module->GetExtraEntry(0), module->GetExtraEntryCount(),
         module->GetExtraObject(), module->Slot8());
    line("diagnostic", text(diagnostic->GetIdentifier()), diagnostic->GetTestCount(), diagnostic->GetTest(4),
         diagnostic->FindTest(Id(10, 1, 5)), diagnostic->FindTest(Id(10, 2, 1)));
    for (uint32_t index = 0; index < 4; ++index) {
        hostview::Test* test = diagnostic->GetTest(index);
        ASSERT_NE(test, nullptr);
        test->Slot6(HostRecord{{"a", "b", "c", "d", "e"}, 1, "f", 2, 3});
        test->Slot11();
        const bool configured = test->SetConfiguration({{"KEYBOARD", {{"ADVANCED_TEST_LAYOUT", "ABNT2"}}}});
        const uint32_t result = test->Run(nullptr);
        line("test", text(test->identifier), diagnostic->FindTest(Id(10, 1, index + 1)) == test,
             test->IsApplicable(nullptr), test->IsInteractive(), test->Slot4(), test->Slot5().size(),
             test->Slot7().size(), test->Slot8(), test->Slot9(), configured, result);
    }
    line("resource", resource->GetHostValue(), resource->GetModuleName(), resource->GetShortName(),
         resource->GetHelpText().substr(0, 21));
    for (const ObjectId& id : {Id(10, 1, 0), Id(10, 1, 1), Id(10, 1, 2), Id(10, 1, 3), Id(10, 1, 4), Id(10, 1, 5),
                               Id(11, 1, 1), Id(10, 2, 1)}) {
        line(text(id), resource->GetDiagnosticName(id) + "|" + resource->GetTestName(id) + "|" +
                           resource->GetDiagnosticDescription(id) + "|" + resource->GetTestDescription(id));
    }
    for (const Names& names : {resource->GetDiagnosticCommandNames(), resource->GetTestCommandNames()}) {
        for (const auto& [id, entry] : names) {
            line("names", text(id), entry.shortName, entry.longName, entry.selectorKind);
        }
    }
    for (int round = 0; round < 2; ++round) {
        std::string parameters;
        for (const auto& [key, value] : resource->GetParameters()) {
            parameters += " " + std::to_string(key) + "='" + value + "'";
        }
        line("parameters" + parameters);
        resource->SetParameters({{5, "five"}});
    }
    // Release is harmless twice; the version record outlives the module object, and a fresh,
    // complete module object follows.
    release();
    release();
    module = get();
    ASSERT_TRUE(module != nullptr && module->GetDiagnosticCount() == 1 && module->GetResource() != nullptr);
    line("again", productVersion() == version, version->GetBuild(), module->GetResource()->GetShortName(),
         text(module->GetDiagnostic(0)->GetIdentifier()), module->GetDiagnostic(0)->GetTestCount());
    release();
    dlclose(library);

    EXPECT_EQ(seen.str(), R"(version 4 42 0 92
module 1 0 0 0 0 0
diagnostic 10.1.0 4 0 0 0
test 10.1.1 1 0 0 0 0 0 1 1 1 6
test 10.1.2 1 0 0 0 0 0 1 1 1 6
test 10.1.3 1 1 1 0 0 0 1 1 1 6
test 10.1.4 1 1 1 0 0 0 1 1 1 6
resource 0 KEYBOARD KB Keyboard Module help:
10.1.0 QUICK_KEYBOARD||QUICK_KEYBOARD_TESTS_TOOLTIP|
10.1.1 |PS2_KEYBOARD_TEST||PS2_KEYBOARD_TEST_DESCRIPTION
10.1.2 |USB_KEYBOARD_TEST||USB_KEYBOARD_TEST_DESCRIPTION
10.1.3 |KEYCODE_VERIFICATION_TEST||KEYCODE_VERIFICATION_TEST_DESCRIPTION
10.1.4 |ADVANCED_TEST||ADVANCED_TEST_DESCRIPTION
10.1.5 |||
11.1.1 |||
10.2.1 |||
names 10.1.0 Q quick 2
names 10.1.1 p ps2 2
names 10.1.2 u usb 2
names 10.1.3 k key 2
names 10.1.4 a adv 2
parameters 0='0 - 10' 1='' 2=''
parameters 5='five'
again 1 92 KB 10.1.0 4
)");
}

} // namespace
