// Finds the root hubs and their controllers in sysfs and walks every hub's ports into records.
#include "platform/linux/UsbTreeWalkerLinux.h"

#include <algorithm>
#include <utility>

#include "platform/linux/UsbHubPortLinux.h"
#include "usb/UsbDescriptorParser.h"

namespace corvo::platform {

namespace {

// USB 2.0 Table 11-24 gives hubs class 9; USB 3.2 section 10.15.1 gives a SuperSpeed hub
// protocol 3 in its device descriptor.
constexpr uint8_t kHubClass = 0x09;
constexpr uint8_t kSuperSpeedHubProtocol = 0x03;
constexpr uint32_t kSuperSpeedMegabits = 5000;
constexpr uint16_t kUsb2PortVersion = 0x0200;
constexpr uint16_t kUsb3PortVersion = 0x0300;

// Two names for the same device (a link back up the tree, a stale entry) share the bus and
// device numbers, which the kernel hands out once per bus.
std::string IdentityOf(const UsbSysfsDeviceLinux& device)
{
    if (device.busNumber && device.deviceNumber) {
        return std::to_string(*device.busNumber) + ":" + std::to_string(*device.deviceNumber);
    }
    return "name:" + device.name;
}

bool IsHexadecimal(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char character) {
        return (character >= '0' && character <= '9') || (character >= 'a' && character <= 'f')
            || (character >= 'A' && character <= 'F');
    });
}

} // namespace

UsbTreeWalkerLinux::UsbTreeWalkerLinux(SysfsReader sysfs) : m_sysfs(std::move(sysfs))
{
    if (m_sysfs.Root() == SysfsReader::DefaultRoot()) {
        m_strings = std::make_shared<const UsbStringReaderLinux>();
    }
}

std::optional<uint32_t> UsbTreeWalkerLinux::RootHubNumber(std::string_view name)
{
    constexpr std::string_view kPrefix = "usb";
    if (name.size() <= kPrefix.size() || name.substr(0, kPrefix.size()) != kPrefix) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(kPrefix.size());
    // The kernel numbers buses from 1 without leading zeros; anything else is not a root hub.
    const bool allDigits =
        std::all_of(digits.begin(), digits.end(), [](char character) { return character >= '0' && character <= '9'; });
    if (digits.front() == '0' || !allDigits) {
        return std::nullopt;
    }
    return UsbSysfsDeviceLinux::ParseDecimal(digits);
}

bool UsbTreeWalkerLinux::ParsePciAddress(std::string_view name, uint16_t& device, uint16_t& function)
{
    // domain:bus:device.function, as "0000:00:14.0"; the domain may have more than 4 digits.
    const std::size_t lastColon = name.rfind(':');
    if (lastColon == std::string_view::npos) {
        return false;
    }
    const std::string_view domainAndBus = name.substr(0, lastColon);
    const std::size_t firstColon = domainAndBus.find(':');
    if (firstColon == std::string_view::npos || !IsHexadecimal(domainAndBus.substr(0, firstColon))
        || domainAndBus.size() - firstColon - 1 != 2 || !IsHexadecimal(domainAndBus.substr(firstColon + 1))) {
        return false;
    }
    const std::string_view slot = name.substr(lastColon + 1);
    if (slot.size() != 4 || slot[2] != '.' || !IsHexadecimal(slot.substr(0, 2)) || !IsHexadecimal(slot.substr(3))) {
        return false;
    }
    const uint32_t deviceValue = UsbSysfsDeviceLinux::ParseHex(slot.substr(0, 2)).value_or(0xFF);
    const uint32_t functionValue = UsbSysfsDeviceLinux::ParseHex(slot.substr(3)).value_or(0xFF);
    // Five bits of device and three of function: a larger value is not a PCI address.
    if (deviceValue > 0x1F || functionValue > 0x07) {
        return false;
    }
    device = static_cast<uint16_t>(deviceValue);
    function = static_cast<uint16_t>(functionValue);
    return true;
}

uint16_t UsbTreeWalkerLinux::PortUsbVersionOf(const UsbSysfsDeviceLinux& hub)
{
    // The protocol is what the kernel itself asks (hub_is_superspeed); the link speed is the next
    // best witness, and bcdUSB the last, because a USB 3 hub's USB 2 half may report 3.x there.
    if (hub.descriptor.deviceClass == kHubClass && hub.descriptor.deviceProtocol == kSuperSpeedHubProtocol) {
        return kUsb3PortVersion;
    }
    if (hub.speedMegabits) {
        return *hub.speedMegabits >= kSuperSpeedMegabits ? kUsb3PortVersion : kUsb2PortVersion;
    }
    if (hub.descriptor.usbVersion != 0) {
        return hub.descriptor.usbVersion >= kUsb3PortVersion ? kUsb3PortVersion : kUsb2PortVersion;
    }
    return 0;
}

std::vector<std::string> UsbTreeWalkerLinux::RootHubNames() const
{
    std::vector<std::pair<uint32_t, std::string>> rootHubs;
    for (std::string& entry : m_sysfs.ListDirectory("bus/usb/devices")) {
        const std::optional<uint32_t> number = RootHubNumber(entry);
        if (!number) {
            continue;
        }
        const std::optional<std::string> busText = m_sysfs.ReadText(UsbSysfsDeviceLinux::FolderOf(entry) + "/busnum");
        const uint32_t bus = busText ? UsbSysfsDeviceLinux::ParseDecimal(*busText).value_or(*number) : *number;
        rootHubs.emplace_back(bus, std::move(entry));
    }
    // The listing is sorted by name, which puts usb10 before usb2.
    std::stable_sort(rootHubs.begin(), rootHubs.end(),
                     [](const auto& left, const auto& right) { return left.first < right.first; });
    std::vector<std::string> names;
    names.reserve(rootHubs.size());
    for (auto& rootHub : rootHubs) {
        names.push_back(std::move(rootHub.second));
    }
    return names;
}

UsbTreeWalkerLinux::ControllerFacts UsbTreeWalkerLinux::FindController(const std::string& rootHubName) const
{
    // The controller is the root hub's parent folder. Its name is not written anywhere below the
    // root hub, so we look it up among the devices of the controller's bus: the one that holds
    // the root hub. The path is the controller as its bus lists it.
    const std::string parent = UsbSysfsDeviceLinux::FolderOf(rootHubName) + "/..";
    ControllerFacts facts;
    facts.path = m_sysfs.PathOf(parent);
    const std::optional<std::string> subsystem = m_sysfs.LinkTargetName(parent + "/subsystem");
    if (!subsystem) {
        return facts;
    }
    const std::string busDevices = SysfsReader::Join(SysfsReader::Join("bus", *subsystem), "devices");
    for (const std::string& candidate : m_sysfs.ListDirectory(busDevices)) {
        const std::string candidateFolder = SysfsReader::Join(busDevices, candidate);
        if (!m_sysfs.Exists(SysfsReader::Join(candidateFolder, rootHubName))) {
            continue;
        }
        facts.path = m_sysfs.PathOf(candidateFolder);
        // Controllers on other buses (platform devices of a system-on-chip) have no PCI numbers.
        if (*subsystem == "pci" && !ParsePciAddress(candidate, facts.deviceNumber, facts.functionNumber)) {
            facts.deviceNumber = 0;
            facts.functionNumber = 0;
        }
        break;
    }
    return facts;
}

std::vector<UsbTreeWalkerLinux::ControllerRecord> UsbTreeWalkerLinux::Walk() const
{
    std::vector<ControllerRecord> records;
    std::set<std::string> visited;
    for (const std::string& rootHubName : RootHubNames()) {
        const uint32_t number = RootHubNumber(rootHubName).value_or(0);
        const UsbSysfsDeviceLinux rootHub = UsbSysfsDeviceLinux::Read(m_sysfs, rootHubName, m_strings.get());
        if (!rootHub.present) {
            continue;
        }
        const ControllerFacts facts = FindController(rootHubName);
        ControllerRecord record;
        record.controller = std::make_unique<UsbHostControllerDeviceImpl>();
        record.controller->SetPath(facts.path);
        record.controller->SetKind(UsbHostControllerDeviceImpl::kControllerKind);
        record.controller->SetBusNumber(rootHub.busNumber.value_or(number));
        record.controller->SetDeviceNumber(facts.deviceNumber);
        record.controller->SetFunctionNumber(facts.functionNumber);
        // A root hub without a driver has no working ports: its controller is listed, empty.
        if (rootHub.driverBound) {
            record.controller->AddHubName(rootHubName);
            visited.insert(IdentityOf(rootHub));
            WalkHub(rootHub, std::to_string(number) + "-", 0, record, visited);
        }
        records.push_back(std::move(record));
    }
    return records;
}

void UsbTreeWalkerLinux::WalkHub(const UsbSysfsDeviceLinux& hub, const std::string& childPrefix, uint32_t depth,
                                 ControllerRecord& record, std::set<std::string>& visited) const
{
    if (depth >= kMaxDepth) {
        return;
    }
    const uint32_t portCount = std::min(hub.portCount, kMaxPortCount);
    for (uint32_t port = 1; port <= portCount; ++port) {
        const std::string childName = childPrefix + std::to_string(port);
        if (!m_sysfs.Exists(UsbSysfsDeviceLinux::FolderOf(childName))) {
            continue;
        }
        const UsbSysfsDeviceLinux child = UsbSysfsDeviceLinux::Read(m_sysfs, childName, m_strings.get());
        if (!child.present) {
            continue;
        }
        // The entry must be the device on this port: a link that leads elsewhere (back up the
        // tree, to another bus) is not followed.
        const std::string expectedPath = childName.substr(childName.find('-') + 1);
        if (child.devicePath && *child.devicePath != expectedPath) {
            continue;
        }
        if (child.busNumber && hub.busNumber && *child.busNumber != *hub.busNumber) {
            continue;
        }
        if (!visited.insert(IdentityOf(child)).second) {
            continue;
        }
        record.devices.push_back(MakeDevice(child, hub, port));
        if (child.portCount > 0) {
            WalkHub(child, childName + ".", depth + 1, record, visited);
        }
    }
}

std::unique_ptr<UsbDeviceImpl> UsbTreeWalkerLinux::MakeDevice(const UsbSysfsDeviceLinux& device,
                                                              const UsbSysfsDeviceLinux& hub, uint32_t port) const
{
    auto record = std::make_unique<UsbDeviceImpl>();
    record->path = m_sysfs.PathOf(UsbSysfsDeviceLinux::FolderOf(hub.name));
    record->usbVersion = UsbVersion(device.descriptor.usbVersion);
    record->deviceClass = device.ReportedClass();
    record->deviceSubclass = device.ReportedSubclass();
    record->deviceProtocol = device.ReportedProtocol();
    record->vendorId = device.descriptor.vendorId;
    record->productId = device.descriptor.productId;
    record->manufacturer = device.manufacturer.value_or(UsbDeviceImpl::kAbsentText);
    record->product = device.product.value_or(UsbDeviceImpl::kAbsentText);
    record->serialNumber = device.serialNumber ? UsbDescriptorParser::SerialNumberText(*device.serialNumber)
                                               : std::string(UsbDeviceImpl::kAbsentText);
    record->hub = device.descriptor.deviceClass == kHubClass;
    record->portUsbVersion = UsbVersion(PortUsbVersionOf(hub));
    record->portNumber = static_cast<uint16_t>(port);
    record->speed = device.speed;

    // The device's "port" link is the kernel's own answer; the computed name serves trees
    // without it.
    const std::string portLink = UsbSysfsDeviceLinux::FolderOf(device.name) + "/port";
    const std::string portFolder = m_sysfs.Exists(portLink)
        ? portLink
        : UsbHubPortLinux::FolderOf(hub.name, hub.configurationValue, port);
    const UsbHubPortLinux portFacts = UsbHubPortLinux::Read(m_sysfs, portFolder, device.removable);
    record->userConnectable = portFacts.userConnectable;
    record->typeC = portFacts.typeC;
    // The kernel pairs a port with at most one peer, so a port never has several companions.
    record->companions = 0;
    record->companion = portFacts.companionPort;
    if (record->hub) {
        record->hubSymbolicName = device.name;
    }
    return record;
}

} // namespace corvo::platform
