// A request for user interaction that a test builds on its stack and hands to the host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class AbstractWidgetWrapper;
class ExecutionContext;

enum InputRequestType : uint32_t {
    RunDialog = 1,  // run the wrapper's dialog on the user-interface thread, answer its result
    ShowNotice = 2, // show title and message to the user; no answer
};

class InputRequest {
public:
    InputRequest() = default;
    virtual ~InputRequest();

    static InputRequest Dialog(AbstractWidgetWrapper* wrapper, std::string title);
    static InputRequest Notice(std::string title, std::string message, ExecutionContext* execution);

    AbstractWidgetWrapper* widgetWrapper = nullptr; // not owned; null for notices
    uint32_t answer = 0;                            // written by the host for dialogs
    std::string title;                              // message key
    std::string message;                            // message key; empty for dialogs
    uint32_t requestType = 0;
    uint32_t option = 0;                            // 3 for dialogs, 0 for notices
    std::vector<std::string> list;                  // always empty from this module
    uint32_t reserved = 0;
    ExecutionContext* execution = nullptr;          // the requesting run, for notices only
};
