// Matching of test selectors against the names a module gives its tests.
#include "TestSelection.h"

#include <algorithm>
#include <cctype>

#include "module/Diagnostic.h"
#include "module/Test.h"

namespace corvo::hosts {

namespace {

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string FirstWord(const std::string& nameKey) { return nameKey.substr(0, nameKey.find('_')); }

std::string KnownNames(const std::vector<TestNames>& known)
{
    std::string text;
    for (const TestNames& names : known) {
        if (names.command.shortName.empty() && names.command.longName.empty()) {
            continue;
        }
        text += (text.empty() ? "" : ", ") + names.command.shortName + "/" + names.command.longName;
    }
    return text;
}

} // namespace

std::vector<TestNames> CollectTestNames(Resource& resource, Diagnostic& diagnostic)
{
    std::vector<TestNames> known;
    for (const auto& [identifier, command] : resource.GetTestCommandNames()) {
        known.push_back(TestNames{identifier, command, resource.GetTestName(identifier)});
    }
    for (uint32_t index = 0; index < diagnostic.GetTestCount(); ++index) {
        Test* test = diagnostic.GetTest(index);
        if (test == nullptr) {
            continue;
        }
        const ObjectId identifier = test->GetIdentifier();
        const bool listed = std::any_of(known.begin(), known.end(),
                                        [&](const TestNames& names) { return names.identifier == identifier; });
        if (!listed) {
            known.push_back(TestNames{identifier, {}, resource.GetTestName(identifier)});
        }
    }
    return known;
}

bool SplitTestList(const std::string& list, std::vector<std::string>& items, std::string& error)
{
    std::string text = Trim(list);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    items.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item = Trim(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (item.empty()) {
            error = "empty test name in list '" + list + "'";
            return false;
        }
        items.push_back(item);
        if (comma == std::string::npos) {
            return true;
        }
        start = comma + 1;
    }
}

bool MatchTest(const std::vector<TestNames>& known, const std::string& item, ObjectId& match, std::string& error)
{
    for (const TestNames& names : known) {
        if (!item.empty() && (item == names.command.shortName || item == names.command.longName)) {
            match = names.identifier;
            return true;
        }
    }
    const std::string wanted = Lower(item);
    std::vector<const TestNames*> candidates;
    for (const TestNames& names : known) {
        if (!names.nameKey.empty() && !wanted.empty()
            && (wanted == Lower(FirstWord(names.nameKey)) || wanted == Lower(names.nameKey))) {
            candidates.push_back(&names);
        }
    }
    if (candidates.size() == 1) {
        match = candidates.front()->identifier;
        return true;
    }
    error = (candidates.empty() ? "unknown test '" : "ambiguous test '") + item + "' (known: " + KnownNames(known)
        + ")";
    return false;
}

bool MatchTestList(const std::vector<TestNames>& known, const std::string& list, std::vector<ObjectId>& chosen,
                   std::string& error)
{
    std::vector<std::string> items;
    if (!SplitTestList(list, items, error)) {
        return false;
    }
    for (const std::string& item : items) {
        ObjectId match{0, 0, 0};
        if (!MatchTest(known, item, match, error)) {
            return false;
        }
        if (std::find(chosen.begin(), chosen.end(), match) == chosen.end()) {
            chosen.push_back(match);
        }
    }
    return true;
}

} // namespace corvo::hosts
