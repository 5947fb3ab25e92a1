// The host's view of the module's interfaces, written from the published slot tables alone and
// sharing no header with the module, so a change of slot order or argument passing shows up as
// a wrong answer when the loaded module is called through it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace hostview {
class SystemComponent;
}

// Host side: implemented by the host, called by the module. They carry the suite's own names in
// the global namespace, as a host's declarations do, so the module's dynamic-type checks in the
// sanitizer build recognise them.
class InputRequest;

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void AddMessage(std::string text, uint32_t kind, uint32_t zero) = 0;
};

class ProgressReporter {
public:
    virtual ~ProgressReporter() = default;
    virtual void ReportProgress(uint8_t percent, const std::string& text) = 0;
    virtual void RequestInput(InputRequest& request) = 0;
    virtual void Slot3() = 0;
    virtual bool AcceptsInputRequests() = 0;
};

class SystemEventSource {
public:
    virtual ~SystemEventSource() = default;
    virtual uint32_t GetSystemEvents() = 0;
};

class ExecutionContext {
public:
    virtual ~ExecutionContext() = default;
    virtual hostview::SystemComponent* GetDevice() = 0;
    virtual MessageSink* GetMessageSink() = 0;
    virtual ProgressReporter* GetProgressReporter() = 0;
    virtual void Slot4() = 0;
    virtual bool IsCancelRequested() = 0;
    virtual SystemEventSource* GetSystemEventSource() = 0;
};

class AbstractWidgetWrapper {
public:
    virtual ~AbstractWidgetWrapper() = default;
    virtual int32_t Execute(void* hostWindow, void* eventFilter, int value) = 0;
};

class InputRequest {
public:
    virtual ~InputRequest() = default;
    AbstractWidgetWrapper* wrapper;
    uint32_t answer;
    std::string title;
    std::string message;
    uint32_t type;
    uint32_t option;
    std::vector<std::string> list;
    uint32_t reserved;
    ExecutionContext* execution;
};

namespace hostview {

struct ObjectId {
    uint16_t module;
    uint32_t group;
    uint32_t index;
    uint64_t key;
};

using Pair = std::pair<std::string, std::string>;

struct DeviceEntry {
    std::vector<Pair> properties;
    std::string name;
};

struct ComponentSummary {
    std::string typeName;
    std::string secondaryText;
    std::vector<Pair> attributes;
    std::map<std::string, std::string> properties;
};

struct NameEntry {
    std::string shortName;
    std::string longName;
    uint32_t selectorKind;
};

struct IdLess {
    bool operator()(const ObjectId& a, const ObjectId& b) const { return a.key < b.key; }
};

struct HostRecord {
    std::string texts[5];
    uint64_t number;
    std::string text;
    uint32_t first;
    uint32_t second;
};

using Configuration = std::map<std::string, std::map<std::string, std::string>>;

// Module side: implemented by the module, called by the host. Never destroyed by the host.
class Test {
public:
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
    virtual bool SetConfiguration(Configuration configuration) = 0;
    virtual void Slot11() = 0;
    ObjectId identifier;
};

class Diagnostic {
public:
    virtual ~Diagnostic() = default;
    virtual ObjectId GetIdentifier() = 0;
    virtual uint64_t GetTestCount() = 0;
    virtual Test* GetTest(uint32_t index) = 0;
    virtual Test* FindTest(ObjectId identifier) = 0;
};

class Resource {
public:
    virtual ~Resource() = default;
    virtual uint64_t GetHostValue() = 0;
    virtual std::string GetDiagnosticName(const ObjectId& identifier) = 0;
    virtual std::string GetTestName(const ObjectId& identifier) = 0;
    virtual std::string GetDiagnosticDescription(const ObjectId& identifier) = 0;
    virtual std::string GetTestDescription(const ObjectId& identifier) = 0;
    virtual std::string GetHelpText() = 0;
    virtual std::string GetModuleName() = 0;
    virtual std::string GetShortName() = 0;
    virtual std::map<ObjectId, NameEntry, IdLess> GetTestCommandNames() = 0;
    virtual std::map<ObjectId, NameEntry, IdLess> GetDiagnosticCommandNames() = 0;
    virtual std::map<int32_t, std::string> GetParameters() = 0;
    virtual void SetParameters(const std::map<int32_t, std::string>& parameters) = 0;
};

class SystemComponent {
public:
    virtual ~SystemComponent() = default;
    virtual std::string GetId() = 0;
    virtual ComponentSummary GetSummary() = 0;
    virtual std::vector<DeviceEntry> GetDevices() = 0;
    virtual bool Slot5() = 0;
    virtual bool Slot6() = 0;
    virtual bool Slot7() = 0;
    virtual void Slot8() = 0;
    virtual bool Slot9() = 0;
    virtual void Slot10() = 0;
};

class ComponentManager {
public:
    virtual ~ComponentManager() = default;
    virtual ObjectId GetIdentifier() = 0;
    virtual uint64_t GetComponentCount() = 0;
    virtual SystemComponent* GetComponent(uint32_t index) = 0;
    virtual bool IsDevicePresent() = 0;
    virtual SystemComponent* GetComponentByIndex(uint32_t index) = 0;
    virtual void DetectComponents() = 0;
};

class Module {
public:
    virtual ~Module() = default;
    virtual Diagnostic* GetDiagnostic(uint32_t index) = 0;
    virtual uint64_t GetDiagnosticCount() = 0;
    virtual Resource* GetResource() = 0;
    virtual ComponentManager* GetComponentManager() = 0;
    virtual void* GetExtraEntry(uint32_t index) = 0;
    virtual uint64_t GetExtraEntryCount() = 0;
    virtual void* GetExtraObject() = 0;
    virtual bool Slot8() = 0;
};

class Version {
public:
    virtual ~Version() = default;
    virtual uint32_t GetMajor() = 0;
    virtual uint32_t GetMinor() = 0;
    virtual uint32_t GetRevision() = 0;
    virtual uint32_t GetBuild() = 0;
};

inline ObjectId MakeId(uint16_t module, uint32_t group, uint32_t index)
{
    return ObjectId{module, group & 0xFFFFFFu, index & 0xFFFFFFu,
                    (uint64_t(module) << 48) | (uint64_t(group) << 24) | index};
}

} // namespace hostview
