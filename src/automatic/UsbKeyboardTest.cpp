// Checks vendor and product identifiers and the manufacturer and product strings of every USB
// keyboard; reads only what the enumeration obtained and never touches the devices.
#include "automatic/UsbKeyboardTest.h"

#include "components/KeyboardComponent.h"
#include "module/ExecutionContext.h"
#include "module/MessageKeys.h"
#include "module/TestResult.h"
#include "usb/UsbDevice.h"

using namespace corvo::keyboard;

namespace {

// A missing identifier or string is a warning; it never clears an earlier failure.
uint32_t WithWarning(uint32_t result) { return result == Failed ? Failed : PassedWithWarnings; }

} // namespace

UsbKeyboardTest::UsbKeyboardTest(const ObjectId& identifier) : KeyboardTestBase(identifier, kAutomaticTestEventMask) {}

UsbKeyboardTest::~UsbKeyboardTest() = default;

bool UsbKeyboardTest::IsApplicable(SystemComponent* device)
{
    auto* keyboard = dynamic_cast<KeyboardComponent*>(device);
    return keyboard != nullptr && !keyboard->GetUsbKeyboards().empty();
}

bool UsbKeyboardTest::IsInteractive() { return false; }

uint32_t UsbKeyboardTest::Run(ExecutionContext* execution)
{
    if (!HasCompleteExecution(execution)) {
        return InternalError;
    }
    KeyboardComponent* keyboard = KeyboardOf(execution);
    if (keyboard == nullptr) {
        return InternalError;
    }
    // The keyboards attached now, not those of the last detection.
    keyboard->RefreshUsbKeyboards();
    Progress(execution, 0);
    if (SystemEventHappened(execution)) {
        return AbortWith(execution, keys::kSystemEventAbort);
    }
    if (execution->IsCancelRequested()) {
        return AbortForCancel(execution);
    }
    if (IsApplicable(keyboard)) {
        return TestDevice(execution, keyboard);
    }
    return AbortWith(execution, keys::kDeviceNotIdentified);
}

uint32_t UsbKeyboardTest::TestDevice(ExecutionContext* execution, KeyboardComponent* keyboard)
{
    if (keyboard == nullptr) {
        return InternalError;
    }
    const std::vector<UsbDevice*> keyboards = keyboard->GetUsbKeyboards();
    if (keyboards.empty()) {
        return AbortWith(execution, keys::kDeviceNotIdentified);
    }
    if (execution->IsCancelRequested()) {
        return AbortForCancel(execution);
    }
    if (SystemEventHappened(execution)) {
        return AbortWith(execution, keys::kSystemEventAbort);
    }

    uint32_t result = Passed;
    const float count = static_cast<float>(keyboards.size());
    for (std::size_t position = 0; position < keyboards.size(); ++position) {
        const UsbDevice& device = *keyboards[position];
        Progress(execution, static_cast<uint8_t>(static_cast<float>(position) * 100.0f / count));

        const bool noProduct = device.GetProductId() == 0;
        const bool noVendor = device.GetVendorId() == 0;
        const std::string manufacturer = device.GetManufacturer();
        const std::string product = device.GetProduct();
        const std::string name = "[" + manufacturer + " - " + product + "]";

        if (noProduct && noVendor && manufacturer.empty() && product.empty()) {
            Message(execution, keys::kUsbKeyboardFail + name, FailureDetail);
            result = Failed;
        }
        if (noProduct) {
            Message(execution, keys::kUsbKeyboardPidFail, Warning);
            result = WithWarning(result);
        }
        if (noVendor) {
            Message(execution, keys::kUsbKeyboardVidFail, Warning);
            result = WithWarning(result);
        }
        if (manufacturer.empty()) {
            Message(execution, keys::kUsbKeyboardManufacturerFail, Warning);
            result = WithWarning(result);
        }
        if (product.empty()) {
            Message(execution, keys::kUsbKeyboardDeviceFail, Warning);
            result = WithWarning(result);
        }
        if (execution->IsCancelRequested()) {
            return AbortForCancel(execution);
        }
        if (SystemEventHappened(execution)) {
            return AbortWith(execution, keys::kSystemEventAbort);
        }
    }
    Progress(execution, 100);
    return result;
}
