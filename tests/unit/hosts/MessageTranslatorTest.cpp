// The hosts' translation of plain keys, the device hint and key-plus-device-name texts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>

#include "MessageTranslator.h"

namespace {

using corvo::hosts::MessageTranslator;

class MessageTranslatorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "translator_test";
        static char* argv[] = {name, nullptr};
        s_application = new QCoreApplication(argc, argv);
    }
    static void TearDownTestSuite()
    {
        delete s_application;
        s_application = nullptr;
    }

    static QCoreApplication* s_application;
};

QCoreApplication* MessageTranslatorTest::s_application = nullptr;

TEST_F(MessageTranslatorTest, LoadsTheCatalogueFromTheFirstFolderThatHasIt)
{
    MessageTranslator translator;
    const std::string folder = QFileInfo(QStringLiteral(KEYBOARD_QM_FILE)).absolutePath().toStdString();
    ASSERT_TRUE(translator.Install("en_US", {"/nonexistent/folder", folder}));
    EXPECT_EQ(translator.LoadedFrom(), folder + "/keyboard_en_US.qm");

    EXPECT_EQ(MessageTranslator::Translate("USB_KEYBOARD_TEST"), "USB Keyboard Test");
    EXPECT_EQ(MessageTranslator::Translate("POSSIBLE_DEFECTIVE_COMPONENTS: KEYBOARD"),
              "Possible defective components: Keyboard");
    // The longest leading key wins over the shorter key "USB_KEYBOARD".
    EXPECT_EQ(MessageTranslator::Translate("USB_KEYBOARD_FAIL_MESSAGE[- - -]"),
              "This USB keyboard does not identify itself: [- - -]");
    EXPECT_EQ(MessageTranslator::Translate(""), "");
    EXPECT_EQ(MessageTranslator::Translate("plain text, no key"), "plain text, no key");
}

TEST_F(MessageTranslatorTest, MissingCatalogueLeavesKeysAsTheyAre)
{
    MessageTranslator translator;
    EXPECT_FALSE(translator.Install("xx_XX", {"/nonexistent/folder"}));
    EXPECT_EQ(MessageTranslator::Translate("NO_SUCH_KEY"), "NO_SUCH_KEY");
}

} // namespace
