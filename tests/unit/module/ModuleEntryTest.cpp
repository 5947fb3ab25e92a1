// Life cycle of the module object through the exported entry points.
#include <gtest/gtest.h>

#include "module/Diagnostic.h"
#include "module/ModuleEntry.h"
#include "module/ModuleInterface.h"
#include "module/ProductVersion.h"
#include "module/Resource.h"
#include "module/Test.h"

namespace {

class ModuleEntryTest : public ::testing::Test {
protected:
    void TearDown() override { ReleaseModuleInterfaceInstance(); }
};

TEST_F(ModuleEntryTest, SecondCallReturnsTheSameObject)
{
    ModuleInterface* first = GetModuleInterfaceInstance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetModuleInterfaceInstance(), first);
}

TEST_F(ModuleEntryTest, HoldsOneKeyboardDiagnosticAndTheResource)
{
    ModuleInterface* module = GetModuleInterfaceInstance();
    ASSERT_EQ(module->GetDiagnosticCount(), 1u);
    Diagnostic* diagnostic = module->GetDiagnostic(0);
    ASSERT_NE(diagnostic, nullptr);
    EXPECT_EQ(diagnostic->GetIdentifier(), ObjectId(10, 1, 0));
    EXPECT_EQ(module->GetDiagnostic(1), nullptr);
    EXPECT_EQ(diagnostic->GetTest(static_cast<uint32_t>(diagnostic->GetTestCount())), nullptr);

    Resource* resource = module->GetResource();
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(resource->GetModuleName(), "KEYBOARD");
    EXPECT_EQ(resource->GetParameters(), (ParameterTable{{0, "0 - 10"}, {1, ""}, {2, ""}}));
}

TEST_F(ModuleEntryTest, ExtraEntriesAndSlotEightAreEmpty)
{
    ModuleInterface* module = GetModuleInterfaceInstance();
    EXPECT_EQ(module->GetExtraEntryCount(), 0u);
    EXPECT_EQ(module->GetExtraEntry(0), nullptr);
    EXPECT_EQ(module->GetExtraObject(), nullptr);
    EXPECT_FALSE(module->Reserved8());
}

TEST_F(ModuleEntryTest, EveryTestIsFoundByItsOwnIdentifier)
{
    Diagnostic* diagnostic = GetModuleInterfaceInstance()->GetDiagnostic(0);
    for (uint32_t index = 0; index < diagnostic->GetTestCount(); ++index) {
        ::Test* test = diagnostic->GetTest(index);
        ASSERT_NE(test, nullptr);
        EXPECT_EQ(test->GetIdentifier().GetModule(), 10u);
        EXPECT_EQ(test->GetIdentifier().GetGroup(), 1u);
        // An identifier built afresh from the same numbers finds the same object.
        const ObjectId copy(10, 1, test->GetIdentifier().GetIndex());
        EXPECT_EQ(diagnostic->FindTest(copy), test);
    }
    EXPECT_EQ(diagnostic->FindTest(ObjectId(10, 1, 5)), nullptr);
    EXPECT_EQ(diagnostic->FindTest(ObjectId(10, 2, 1)), nullptr);
}

TEST_F(ModuleEntryTest, ReleaseTwiceIsHarmlessAndAFreshObjectFollows)
{
    ModuleInterface* first = GetModuleInterfaceInstance();
    Resource* firstResource = first->GetResource();
    ASSERT_NE(firstResource, nullptr);
    ReleaseModuleInterfaceInstance();
    ReleaseModuleInterfaceInstance();

    ModuleInterface* second = GetModuleInterfaceInstance();
    ASSERT_NE(second, nullptr);
    // The rebuilt object is complete: a diagnostic and a resource that answer.
    ASSERT_EQ(second->GetDiagnosticCount(), 1u);
    ASSERT_NE(second->GetResource(), nullptr);
    EXPECT_EQ(second->GetResource()->GetShortName(), "KB");
    EXPECT_EQ(second->GetDiagnostic(0)->GetIdentifier(), ObjectId(10, 1, 0));
}

TEST_F(ModuleEntryTest, VersionRecordOutlivesTheModuleObject)
{
    ProductVersion* before = GetProductVersion();
    GetModuleInterfaceInstance();
    ReleaseModuleInterfaceInstance();
    ProductVersion* after = GetProductVersion();
    ASSERT_EQ(before, after);
    EXPECT_EQ(after->GetMajor(), 4u);
    EXPECT_EQ(after->GetMinor(), 42u);
    EXPECT_EQ(after->GetRevision(), 0u);
    EXPECT_EQ(after->GetBuild(), 92u);
}

} // namespace
