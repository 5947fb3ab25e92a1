// What the host calls on its user-interface thread to run a test's dialog and get its verdict.
#pragma once

#include <cstdint>

class QObject;
class QWidget;

class AbstractWidgetWrapper {
public:
    virtual ~AbstractWidgetWrapper() = default;
    // Builds the dialog, runs it and returns its result: 3 yes, 4 no, 0 no verdict.
    virtual int32_t Execute(QWidget* hostWindow, QObject* eventFilter, int value) = 0;
};
