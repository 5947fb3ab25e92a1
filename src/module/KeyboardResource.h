// The keyboard module's resource: its message keys, help text and quick-test names.
#pragma once

#include "module/Resource.h"

class KeyboardResource : public Resource {
public:
    explicit KeyboardResource(const ObjectId& identifier);
    ~KeyboardResource() override;

    std::string GetDiagnosticName(const ObjectId& identifier) override;
    std::string GetTestName(const ObjectId& identifier) override;
    std::string GetDiagnosticDescription(const ObjectId& identifier) override;
    std::string GetTestDescription(const ObjectId& identifier) override;
};
