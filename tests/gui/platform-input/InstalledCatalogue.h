// The shipped message catalogue installed for as long as this object lives, so that dialogs show
// the texts a user sees rather than their message keys.
#pragma once

#include <QCoreApplication>
#include <QTranslator>

namespace corvo::gui_testing {

class InstalledCatalogue {
public:
    explicit InstalledCatalogue(const QString& qmFile)
        : m_installed(m_translator.load(qmFile) && QCoreApplication::installTranslator(&m_translator))
    {
    }
    ~InstalledCatalogue()
    {
        if (m_installed) {
            QCoreApplication::removeTranslator(&m_translator);
        }
    }
    InstalledCatalogue(const InstalledCatalogue&) = delete;
    InstalledCatalogue& operator=(const InstalledCatalogue&) = delete;

private:
    QTranslator m_translator;
    bool m_installed;
};

} // namespace corvo::gui_testing
