// Calls the loaded libkeyboard.so through the host's independently declared view of its interfaces.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>
#include <vector>

#include "HostView.h"

namespace {

using namespace hostview;

class AbiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_handle = dlopen(KEYBOARD_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_handle, nullptr) << dlerror();
        m_get = reinterpret_cast<Module* (*)()>(dlsym(m_handle, "GetModuleInterfaceInstance"));
        m_release = reinterpret_cast<void (*)()>(dlsym(m_handle, "ReleaseModuleInterfaceInstance"));
        m_version = reinterpret_cast<Version* (*)()>(dlsym(m_handle, "GetProductVersion"));
        ASSERT_NE(m_get, nullptr);
        ASSERT_NE(m_release, nullptr);
        ASSERT_NE(m_version, nullptr);
    }

    void TearDown() override
    {
        if (m_release != nullptr) {
            m_release();
        }
        if (m_handle != nullptr) {
            dlclose(m_handle);
        }
    }

    void* m_handle = nullptr;
    Module* (*m_get)() = nullptr;
    void (*m_release)() = nullptr;
    Version* (*m_version)() = nullptr;
};

// A host-side execution that records what the module sends through it.
class RecordingExecution : public ExecutionContext, MessageSink, ProgressReporter, SystemEventSource {
public:
    explicit RecordingExecution(SystemComponent* device) : m_device(device) {}

    SystemComponent* GetDevice() override { return m_device; }
    MessageSink* GetMessageSink() override { return this; }
    ProgressReporter* GetProgressReporter() override { return this; }
    void Slot4() override {}
    bool IsCancelRequested() override { return false; }
    SystemEventSource* GetSystemEventSource() override { return this; }

    void AddMessage(std::string text, uint32_t kind, uint32_t zero) override
    {
        messages.push_back(text);
        EXPECT_LE(kind, 2u);
        EXPECT_EQ(zero, 0u);
    }
    void ReportProgress(uint8_t percent, const std::string&) override
    {
        EXPECT_LE(percent, 100);
        ++progressReports;
    }
    void RequestInput(InputRequest& request) override { request.answer = 0; }
    void Slot3() override {}
    bool AcceptsInputRequests() override { return false; }
    uint32_t GetSystemEvents() override { return 0; }

    std::vector<std::string> messages;
    int progressReports = 0;

private:
    SystemComponent* m_device;
};

TEST_F(AbiTest, VersionRecordThroughItsSlots)
{
    Version* version = m_version();
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->GetMajor(), 4u);
    EXPECT_EQ(version->GetMinor(), 42u);
    EXPECT_EQ(version->GetRevision(), 0u);
    EXPECT_EQ(version->GetBuild(), 92u);
}

TEST_F(AbiTest, ModuleObjectSlots)
{
    Module* module = m_get();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(m_get(), module);
    EXPECT_EQ(module->GetDiagnosticCount(), 1u);
    EXPECT_NE(module->GetDiagnostic(0), nullptr);
    EXPECT_EQ(module->GetDiagnostic(1), nullptr);
    EXPECT_NE(module->GetResource(), nullptr);
    EXPECT_EQ(module->GetExtraEntry(0), nullptr);
    EXPECT_EQ(module->GetExtraEntryCount(), 0u);
    EXPECT_EQ(module->GetExtraObject(), nullptr);
    EXPECT_FALSE(module->Slot8());
}

TEST_F(AbiTest, DiagnosticSlotsAndIdentifierPassedByValue)
{
    Diagnostic* diagnostic = m_get()->GetDiagnostic(0);
    ASSERT_NE(diagnostic, nullptr);
    const ObjectId identifier = diagnostic->GetIdentifier();
    EXPECT_EQ(identifier.module, 10u);
    EXPECT_EQ(identifier.group, 1u);
    EXPECT_EQ(identifier.index, 0u);
    EXPECT_EQ(identifier.key, MakeId(10, 1, 0).key);
    EXPECT_EQ(diagnostic->GetTest(static_cast<uint32_t>(diagnostic->GetTestCount())), nullptr);
    EXPECT_EQ(diagnostic->FindTest(MakeId(10, 1, 5)), nullptr);
    EXPECT_EQ(diagnostic->FindTest(MakeId(10, 2, 1)), nullptr);
}

TEST_F(AbiTest, ResourceSlotsInOrder)
{
    Resource* resource = m_get()->GetResource();
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(resource->GetHostValue(), 0u);
    EXPECT_EQ(resource->GetDiagnosticName(MakeId(10, 1, 0)), "QUICK_KEYBOARD");
    EXPECT_EQ(resource->GetTestName(MakeId(10, 1, 4)), "ADVANCED_TEST");
    EXPECT_EQ(resource->GetTestName(MakeId(10, 1, 0)), "");
    EXPECT_EQ(resource->GetDiagnosticDescription(MakeId(10, 1, 0)), "QUICK_KEYBOARD_TESTS_TOOLTIP");
    EXPECT_EQ(resource->GetTestDescription(MakeId(10, 1, 2)), "USB_KEYBOARD_TEST_DESCRIPTION");
    EXPECT_EQ(resource->GetHelpText().rfind("Keyboard Module help:\n", 0), 0u);
    EXPECT_EQ(resource->GetModuleName(), "KEYBOARD");
    EXPECT_EQ(resource->GetShortName(), "KB");

    const auto tests = resource->GetTestCommandNames();
    ASSERT_EQ(tests.size(), 4u);
    EXPECT_EQ(tests.begin()->first.key, MakeId(10, 1, 1).key);
    EXPECT_EQ(tests.begin()->second.shortName, "p");
    EXPECT_EQ(tests.rbegin()->second.longName, "adv");
    EXPECT_EQ(tests.rbegin()->second.selectorKind, 2u);
    const auto diagnostics = resource->GetDiagnosticCommandNames();
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics.begin()->second.longName, "quick");

    const std::map<int32_t, std::string> expected{{0, "0 - 10"}, {1, ""}, {2, ""}};
    EXPECT_EQ(resource->GetParameters(), expected);
    resource->SetParameters({{5, "five"}});
    EXPECT_EQ(resource->GetParameters(), (std::map<int32_t, std::string>{{5, "five"}}));
}

TEST_F(AbiTest, EveryTestAnswersTheHostSlots)
{
    Diagnostic* diagnostic = m_get()->GetDiagnostic(0);
    for (uint32_t index = 0; index < diagnostic->GetTestCount(); ++index) {
        hostview::Test* test = diagnostic->GetTest(index);
        ASSERT_NE(test, nullptr);
        EXPECT_EQ(test->identifier.key, MakeId(10, 1, test->identifier.index).key);
        EXPECT_EQ(diagnostic->FindTest(test->identifier), test);
        EXPECT_FALSE(test->Slot4());
        EXPECT_TRUE(test->Slot5().empty());
        test->Slot6(HostRecord{{"a", "b", "c", "d", "e"}, 1, "f", 2, 3});
        EXPECT_TRUE(test->Slot7().empty());
        EXPECT_TRUE(test->Slot8());
        EXPECT_TRUE(test->Slot9());
        EXPECT_TRUE(test->SetConfiguration({{"KEYBOARD", {{"ADVANCED_TEST_LAYOUT", "ABNT2"}}}}));
        test->Slot11();

        // An execution without a device is incomplete: every test answers 6 and reports nothing.
        RecordingExecution incomplete(nullptr);
        EXPECT_EQ(test->Run(&incomplete), 6u) << test->identifier.index;
        EXPECT_TRUE(incomplete.messages.empty());
    }
}

} // namespace
