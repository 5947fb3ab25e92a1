// Host-side object a test runs in: the device, the sinks, the cancel request and the event source.
#pragma once

class MessageSink;
class ProgressReporter;
class SystemComponent;
class SystemEventSource;

class ExecutionContext {
public:
    virtual ~ExecutionContext() = default;
    virtual SystemComponent* GetDevice() = 0;
    virtual MessageSink* GetMessageSink() = 0;
    virtual ProgressReporter* GetProgressReporter() = 0;
    // Not called by the module; its meaning belongs to the host.
    virtual void Reserved4() = 0;
    // Read from the worker thread and, while a dialog is open, from the user-interface thread.
    virtual bool IsCancelRequested() = 0;
    virtual SystemEventSource* GetSystemEventSource() = 0;
};
