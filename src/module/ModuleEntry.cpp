// Builds and tears down the module object and hands out the version record.
#include "module/ModuleEntry.h"

#include <memory>
#include <string>
#include <vector>

#include "advanced/AdvancedTest.h"
#include "automatic/PS2KeyboardTest.h"
#include "automatic/UsbKeyboardTest.h"
#include "components/KeyboardComponentManager.h"
#include "keycode/KeycodeVerificationTest.h"
#include "module/Diagnostic.h"
#include "module/KeyboardResource.h"
#include "module/MessageKeys.h"
#include "module/ModuleInterface.h"
#include "module/ProductVersion.h"
#include "module/SystemComponentManager.h"
#include "module/Test.h"
#include "module/TestWithDeviceHint.h"

namespace {

using namespace corvo::keyboard;

ModuleInterface* g_module = nullptr;

ProductVersion g_productVersion(4, 42, 0, 92);

// Built once when the library is loaded; each test wrapper keeps its own copy.
const std::string g_deviceHint = std::string(keys::kPossibleDefectiveComponents) + ": " + keys::kKeyboard;

template <typename T>
std::unique_ptr<Test> Wrapped(uint32_t index)
{
    return std::make_unique<TestWithDeviceHint<T>>(ObjectId(kKeyboardModuleNumber, kDiagnosticGroup, index),
                                                   g_deviceHint);
}

// In diagnostic order: PS/2, USB, keycode verification, advanced.
std::vector<std::unique_ptr<Test>> CreateTests()
{
    std::vector<std::unique_ptr<Test>> tests;
    tests.push_back(Wrapped<PS2KeyboardTest>(kPs2TestIndex));
    tests.push_back(Wrapped<UsbKeyboardTest>(kUsbTestIndex));
    tests.push_back(Wrapped<KeycodeVerificationTest>(kKeycodeTestIndex));
    tests.push_back(Wrapped<AdvancedTest>(kAdvancedTestIndex));
    return tests;
}

} // namespace

ModuleInterface* GetModuleInterfaceInstance()
{
    if (g_module != nullptr) {
        return g_module;
    }

    // Everything is held by unique_ptr until the module object is complete, so an allocation
    // failure part-way leaves no module object and nothing leaked.
    std::vector<std::unique_ptr<Test>> tests = CreateTests();
    std::vector<Test*> testPointers;
    for (const auto& test : tests) {
        testPointers.push_back(test.get());
    }
    auto diagnostic = std::make_unique<Diagnostic>(ObjectId(kKeyboardModuleNumber, kDiagnosticGroup, 0),
                                                   testPointers);
    auto resource = std::make_unique<KeyboardResource>(ObjectId(kKeyboardModuleNumber, 0, 0));
    resource->SetParameters(ParameterTable{{0, "0 - 10"}, {1, ""}, {2, ""}});
    std::unique_ptr<SystemComponentManager> componentManager =
        std::make_unique<KeyboardComponentManager>(ObjectId(kKeyboardModuleNumber, 0, 0));

    auto module = std::make_unique<ModuleInterface>(std::vector<Diagnostic*>{diagnostic.get()},
                                                    resource.get(), componentManager.get());

    for (auto& test : tests) {
        test.release();
    }
    diagnostic.release();
    resource.release();
    componentManager.release();
    g_module = module.release();
    return g_module;
}

void ReleaseModuleInterfaceInstance()
{
    if (g_module == nullptr) {
        return;
    }
    delete g_module->GetResource();
    delete g_module->GetComponentManager();
    for (uint32_t index = 0; index < g_module->GetDiagnosticCount(); ++index) {
        Diagnostic* diagnostic = g_module->GetDiagnostic(index);
        if (diagnostic == nullptr) {
            continue;
        }
        for (uint32_t testIndex = 0; testIndex < diagnostic->GetTestCount(); ++testIndex) {
            delete diagnostic->GetTest(testIndex);
        }
        delete diagnostic;
    }
    delete g_module;
    g_module = nullptr;
}

ProductVersion* GetProductVersion() { return &g_productVersion; }
