// A named group of tests; the resource supplies its name and description for its identifier.
#pragma once

#include <cstdint>
#include <vector>

#include "module/ObjectId.h"

class Test;

class Diagnostic {
public:
    // The diagnostic does not own its tests; the module entry destroys them.
    Diagnostic(const ObjectId& identifier, std::vector<Test*> tests);
    virtual ~Diagnostic();

    virtual ObjectId GetIdentifier();
    virtual uint64_t GetTestCount();
    virtual Test* GetTest(uint32_t index);
    virtual Test* FindTest(ObjectId identifier);

private:
    ObjectId m_identifier;
    std::vector<Test*> m_tests;
};
