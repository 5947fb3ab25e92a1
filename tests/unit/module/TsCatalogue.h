// A Qt Linguist source catalogue as the tests read it: context, then source text, then translation.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

#include <map>
#include <string>

using TsCatalogue = std::map<std::string, std::map<std::string, std::string>>;

// An unfinished translation reads as empty, as the released catalogue leaves it out.
inline TsCatalogue ReadTsCatalogue(const char* path)
{
    QFile file(QString::fromUtf8(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    TsCatalogue catalogue;
    std::string context;
    std::string source;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::Invalid) {
        const auto is = [&xml](const char* tag) { return xml.name() == QLatin1String(tag); };
        if (xml.isStartElement() && (is("name") || is("source") || is("translation"))) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const std::string text = unfinished ? std::string() : xml.readElementText().toStdString();
            (is("name") ? context : is("source") ? source : catalogue[context][source]) = text;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path << ": " << xml.errorString().toStdString();
    return catalogue;
}
