// Every message key of the module has a readable English text in the shipped catalogue.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <map>
#include <set>
#include <string>

#include "keycode/KeyTable.h"

namespace {

// Every literal of the key header, joining adjacent literals as the compiler does.
std::set<std::string> KeysInHeader(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    std::set<std::string> keys;
    static const QRegularExpression definition(
        QStringLiteral(R"re(constexpr\s+char\s+\w+\[\]\s*=\s*((?:"[^"]*"\s*)+);)re"));
    static const QRegularExpression literal(QStringLiteral(R"re("([^"]*)")re"));
    for (auto match = definition.globalMatch(text); match.hasNext();) {
        std::string key;
        for (auto part = literal.globalMatch(match.next().captured(1)); part.hasNext();) {
            key += part.next().captured(1).toStdString();
        }
        keys.insert(key);
    }
    return keys;
}

// context -> (source -> translation)
std::map<std::string, std::map<std::string, std::string>> Catalogue(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::map<std::string, std::map<std::string, std::string>> catalogue;
    std::string context;
    std::string source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText().toStdString();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText().toStdString();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const std::string translation = xml.readElementText().toStdString();
            catalogue[context][source] = unfinished ? std::string() : translation;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return catalogue;
}

TEST(MessageCatalogueTest, EveryKeyHasAnEnglishText)
{
    const std::set<std::string> keys = KeysInHeader(QStringLiteral(MESSAGE_KEYS_HEADER));
    ASSERT_GT(keys.size(), 60u) << "the header parser found too few keys";
    ASSERT_TRUE(keys.count("THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_"
                           "TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING"))
        << "split literals are joined";

    const auto catalogue = Catalogue(QStringLiteral(KEYBOARD_TS_FILE));
    const auto context = catalogue.find("KEYBOARD");
    ASSERT_NE(context, catalogue.end());
    for (const std::string& key : keys) {
        const auto entry = context->second.find(key);
        ASSERT_NE(entry, context->second.end()) << "no catalogue entry for " << key;
        EXPECT_FALSE(entry->second.empty()) << "empty or unfinished translation for " << key;
        EXPECT_NE(entry->second, key) << "the English text of " << key << " is the key itself";
    }
}

TEST(MessageCatalogueTest, CatalogueHoldsNoKeyTheModuleDoesNotKnow)
{
    // A stale entry usually means a key was renamed in the code and not in the catalogue.
    std::set<std::string> keys = KeysInHeader(QStringLiteral(MESSAGE_KEYS_HEADER));
    for (const auto& row : corvo::keycode::KeyTableEntries()) {
        keys.insert(row.description);
    }
    const auto catalogue = Catalogue(QStringLiteral(KEYBOARD_TS_FILE));
    for (const auto& [source, translation] : catalogue.at("KEYBOARD")) {
        EXPECT_TRUE(keys.count(source)) << "catalogue entry without a key in the code: " << source;
    }
}

TEST(MessageCatalogueTest, EveryKeyDescriptionHasAText)
{
    // The keycode dialog shows a description whenever a key types nothing; an entry missing here
    // would show the raw key to the user.
    const auto catalogue = Catalogue(QStringLiteral(KEYBOARD_TS_FILE));
    const auto& context = catalogue.at("KEYBOARD");
    for (const auto& row : corvo::keycode::KeyTableEntries()) {
        const auto entry = context.find(row.description);
        ASSERT_NE(entry, context.end()) << "no catalogue entry for the description of code " << row.code;
        EXPECT_FALSE(entry->second.empty()) << row.description;
    }
    for (const char* label : {"Num", "Caps", "Scroll"}) {
        EXPECT_TRUE(catalogue.count("KeycodeTestWidget") && catalogue.at("KeycodeTestWidget").count(label)) << label;
    }
}

// The translatable texts of a Designer form: every <string> not marked notr.
std::set<std::string> FormTexts(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::set<std::string> texts;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("string") &&
            xml.attributes().value(QLatin1String("notr")) != QLatin1String("true")) {
            const std::string text = xml.readElementText().toStdString();
            if (!text.empty()) {
                texts.insert(text);
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

TEST(MessageCatalogueTest, EveryKeyLabelOfTheLayoutPicturesHasAText)
{
    // A label missing from the catalogue would draw as an empty key once the catalogue is loaded.
    const std::set<std::string> labels = FormTexts(QStringLiteral(KEYBOARD_ADVANCED_FORM_FILE));
    ASSERT_GT(labels.size(), 100u);
    EXPECT_TRUE(labels.count("\xe5\xa4\x89\xe6\x8f\x9b")) << "the Japanese Convert key lost its label";
    const auto catalogue = Catalogue(QStringLiteral(KEYBOARD_TS_FILE));
    ASSERT_TRUE(catalogue.count("AdvancedTestWidget"));
    const auto& context = catalogue.at("AdvancedTestWidget");
    for (const std::string& label : labels) {
        const auto entry = context.find(label);
        ASSERT_NE(entry, context.end()) << "no catalogue entry for the key label \"" << label << "\"";
        EXPECT_FALSE(entry->second.empty()) << label;
    }
    // Nothing left over from a label the form no longer draws.
    for (const auto& [source, translation] : context) {
        EXPECT_TRUE(labels.count(source)) << "stale catalogue entry \"" << source << "\"";
    }
}

} // namespace
