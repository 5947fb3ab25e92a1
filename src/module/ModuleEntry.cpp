// Builds and tears down the module object and hands out the version record.
#include "module/ModuleEntry.h"

#include <memory>
#include <string>
#include <vector>

#include "module/Diagnostic.h"
#include "module/KeyboardResource.h"
#include "module/MessageKeys.h"
#include "module/ModuleInterface.h"
#include "module/ProductVersion.h"
#include "module/SystemComponentManager.h"
#include "module/Test.h"

namespace {

using namespace corvo::keyboard;

ModuleInterface* g_module = nullptr;

ProductVersion g_productVersion(4, 42, 0, 92);

// Built once when the library is loaded; each test wrapper keeps its own copy.
const std::string g_deviceHint = std::string(keys::kPossibleDefectiveComponents) + ": " + keys::kKeyboard;

// The tests join this list, in diagnostic order, as they are built; each is wrapped in
// TestWithDeviceHint<T> with the device hint above.
std::vector<std::unique_ptr<Test>> CreateTests()
{
    std::vector<std::unique_ptr<Test>> tests;
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
    std::unique_ptr<SystemComponentManager> componentManager;

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
