// Both dialogs and the desktop host's window in every language of the catalogues, on Xvfb so that
// the fonts are those users see: every label, button, check box and key label has room for its text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyleOptionButton>

#include "AdvancedKeys.h"
#include "EventLoopWait.h"
#include "FakeHwkit.h"
#include "InstalledCatalogue.h"
#include "MainWindow.h"
#include "advanced/WinAdvancedTestWidget.h"
#include "keycode/WinKeycodeTestWidget.h"
#include "module/ModuleEntry.h"

namespace {

using namespace corvo::gui_testing;

// A key's label needs a pixel clear of the key's edges on either side, or it reads as cut off. The
// key styles draw it in one font in every state; the marked style names no state, so a marked key's
// font is that font.
QSize KeyNeeds(QPushButton& key)
{
    QStyleOptionButton option;
    option.initFrom(&key);
    const QSize frame = key.size() - key.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &key).size();
    const QString style = key.styleSheet();
    qobject_cast<AdvancedTestWidget*>(key.window())->PaintPushButton(&key);
    const QSize text = key.fontMetrics().size(0, key.text());
    key.setStyleSheet(style);
    return frame + text + QSize(2, 0);
}

// Each visible label, button and check box of the window whose text has no room, with what it needs.
QStringList Misfits(QWidget& window)
{
    QStringList misfits;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString text = label != nullptr ? label->text() : button != nullptr ? button->text() : QString();
        if (text.isEmpty() || !widget->isVisible()) {
            continue;
        }
        QSize needed = widget->sizeHint();
        if (label != nullptr && label->wordWrap()) {
            needed = QSize(label->width(), label->heightForWidth(label->width()));
        } else if (widget->objectName().startsWith(QLatin1String(corvo::advanced::kKeyButtonPrefix))) {
            needed = KeyNeeds(*qobject_cast<QPushButton*>(widget));
        }
        if (needed.width() > widget->width() || needed.height() > widget->height()) {
            misfits << QString::asprintf("%s \"%s\" needs %dx%d, has %dx%d", qPrintable(widget->objectName()),
                                         qPrintable(text), needed.width(), needed.height(), widget->width(),
                                         widget->height());
        }
    }
    return misfits;
}

class TextsFitGuiTest : public ::testing::TestWithParam<const char*> {
protected:
    static QString Catalogue(const char* name)
    {
        return QStringLiteral(TRANSLATIONS_FOLDER "/%1_%2.qm").arg(QLatin1String(name), QLatin1String(GetParam()));
    }
    // Shows the window and reports what does not fit, on each page of its stacked widget if it has one.
    void Check(QWidget& window, const std::string& what)
    {
        window.show();
        auto* pages = window.findChild<QStackedWidget*>();
        for (int page = 0; page < (pages != nullptr ? pages->count() : 1); ++page) {
            if (pages != nullptr) {
                pages->setCurrentIndex(page);
            }
            Wait(20);
            for (const QString& misfit : Misfits(window)) {
                ADD_FAILURE() << GetParam() << ", " << what << ": " << misfit.toStdString();
            }
        }
    }
};

TEST_P(TextsFitGuiTest, EveryTextHasRoomInBothDialogsAndTheWindow)
{
    const InstalledCatalogue module(Catalogue("keyboard"));
    ASSERT_NE(QCoreApplication::translate("KEYBOARD", "YES"), QStringLiteral("YES")) << "no catalogue";
    const InstalledCatalogue host(Catalogue("halvik-diagnostics"));
    WinKeycodeTestWidget keycode(nullptr, nullptr, nullptr, 0);
    Check(keycode, "keycode dialog");
    keycode.done(0);

    // Strict mode shows the instruction under each picture and FAIL instead of YES and NO.
    advancedtest::ConfigFolder config;
    for (const std::string strict : {"0", "1"}) {
        ASSERT_TRUE(config.Write(("[KEYBOARD]\nADVANCED_TEST_STRICT_MODE=" + strict).c_str()));
        WinAdvancedTestWidget advanced(nullptr, nullptr, nullptr, 0);
        Check(advanced, "advanced dialog, strict mode " + strict);
        advanced.done(0);
    }

    fakehwkit::SetFlag(9, 1); // a PS/2 keyboard, so that the window lists a device
    corvo::hosts::gui::MainWindow window(*GetModuleInterfaceInstance(), {"/nonexistent", "libkeyboard.so", "4.42.0.92"});
    Check(window, "desktop host");
}

INSTANTIATE_TEST_SUITE_P(Languages, TextsFitGuiTest,
                         ::testing::Values("en_US", "es_ES", "fr_FR", "it_IT", "de_DE", "nl_NL", "zh_CN", "ja_JP",
                                           "pt_BR"),
                         [](const ::testing::TestParamInfo<const char*>& row) { return std::string(row.param); });

} // namespace
