// The host's view of the PS/2 test's two preconditions: a usable driver service and a keyboard.
#include "Ps2Readiness.h"

#include <QCoreApplication>
#include <QString>

#include "DriverServiceState.h"
#include "platform/Ps2KeyboardEvidence.h"
#include "platform/hwkit.h"

namespace corvo::hosts {

Ps2KeyboardPresence DescribePs2Keyboard()
{
    Ps2KeyboardPresence presence;
    const hwkit::BiosInformation* record = hwkit::get_bios();
    if (record == nullptr) {
        return presence;
    }
    presence.present = record->ps2KeyboardOnI8042 != 0 || record->ps2KeyboardOnSmbiosConnector != 0
        || record->ps2KeyboardOnAcpiDevice != 0;
    if (corvo::platform::RecordsPs2KeyboardSources(*record)) {
        const auto* evidence = corvo::platform::FindPs2KeyboardEvidence(record->ps2KeyboardDecision);
        if (evidence != nullptr && evidence->decision != hwkit::Ps2KeyboardDecision::NotRecorded) {
            presence.reason = evidence->why;
        }
    }
    return presence;
}

std::string Ps2NotRunReason(const std::string& workDirectory)
{
    const DriverServiceState service = DescribeDriverService(workDirectory);
    if (!service.usable) {
        return QCoreApplication::translate("Ps2Readiness", "driver service %1")
            .arg(QString::fromStdString(service.Summary()))
            .toStdString();
    }
    const Ps2KeyboardPresence keyboard = DescribePs2Keyboard();
    if (!keyboard.present) {
        return (keyboard.reason.empty() ? QCoreApplication::translate("Ps2Readiness", "no PS/2 keyboard")
                                        : QCoreApplication::translate("Ps2Readiness", "no PS/2 keyboard: %1")
                                              .arg(QString::fromStdString(keyboard.reason)))
            .toStdString();
    }
    return {};
}

} // namespace corvo::hosts
