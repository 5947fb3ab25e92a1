// Which of a diagnostic's tests a host's selector names: command names first, then name keys.
#pragma once

#include <string>
#include <vector>

#include "module/ObjectId.h"
#include "module/Resource.h"

class Diagnostic;

namespace corvo::hosts {

// What a host knows to call a test by.
struct TestNames {
    ObjectId identifier{0, 0, 0};
    CommandNameEntry command; // "p" / "ps2"; empty when the resource gives the test no command names
    std::string nameKey;      // "PS2_KEYBOARD_TEST"
};

// Every test the resource has command names for, in the resource's order, then the diagnostic's
// tests it has none for.
std::vector<TestNames> CollectTestNames(Resource& resource, Diagnostic& diagnostic);

// Splits "p,u" (or "\"p,u\"", when no shell removed the quotes) into trimmed items. An empty
// item is an error: "p,,u" is more likely a typing mistake than a wish.
bool SplitTestList(const std::string& list, std::vector<std::string>& items, std::string& error);

// Resolves one item. The module's short and long command names match exactly, as in its help
// text; failing that, the first word of the test's name key matches regardless of case, so
// "keycode" finds KEYCODE_VERIFICATION_TEST although its command names are "k" and "key".
// Returns false with a message that lists the command names when nothing or more than one test
// matches.
bool MatchTest(const std::vector<TestNames>& known, const std::string& item, ObjectId& match, std::string& error);

// Resolves a comma-separated list into identifiers, in the order given, each once.
bool MatchTestList(const std::vector<TestNames>& known, const std::string& list, std::vector<ObjectId>& chosen,
                   std::string& error);

} // namespace corvo::hosts
