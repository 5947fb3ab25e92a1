// The desktop host's argument grammar.
#include <gtest/gtest.h>

#include "GuiOptions.h"

namespace {

using namespace corvo::hosts::gui;

TEST(GuiOptionsTest, ValuesAfterEqualsOrAsTheNextArgument)
{
    const GuiParseResult spaced =
        ParseGuiOptions({"--run", "usb", "--workdir", "/tmp/w", "--module-path", "/m.so", "--exit-when-done"});
    ASSERT_EQ(spaced.error, "");
    EXPECT_EQ(spaced.options.run.value_or(""), "usb");
    EXPECT_EQ(spaced.options.workDirectory.value_or(""), "/tmp/w");
    EXPECT_EQ(spaced.options.modulePath.value_or(""), "/m.so");
    EXPECT_TRUE(spaced.options.exitWhenDone);

    const GuiParseResult joined = ParseGuiOptions({"--run=p,u", "--workdir=/tmp/w", "--module-path=/m.so"});
    ASSERT_EQ(joined.error, "");
    EXPECT_EQ(joined.options.run.value_or(""), "p,u");
    EXPECT_EQ(joined.options.workDirectory.value_or(""), "/tmp/w");
    EXPECT_EQ(joined.options.modulePath.value_or(""), "/m.so");
    EXPECT_FALSE(joined.options.exitWhenDone);
    EXPECT_FALSE(joined.options.help);
    EXPECT_FALSE(joined.options.version);
}

TEST(GuiOptionsTest, HelpVersionAndQtsOwnOptions)
{
    const GuiParseResult parsed = ParseGuiOptions({"-h", "--version", "-platform", "xcb", "-reverse"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.options.help);
    EXPECT_TRUE(parsed.options.version);
    EXPECT_FALSE(parsed.options.run.has_value());
}

struct ErrorRow {
    std::vector<std::string> arguments;
    const char* error;
};

class GuiOptionsErrorTest : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(GuiOptionsErrorTest, IsRejectedWithAReason)
{
    EXPECT_EQ(ParseGuiOptions(GetParam().arguments).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, GuiOptionsErrorTest,
    ::testing::Values(ErrorRow{{"--run"}, "option --run needs a value"},
                      ErrorRow{{"--run="}, "option --run needs a value"},
                      ErrorRow{{"--workdir"}, "option --workdir needs a value"},
                      ErrorRow{{"--quick"}, "unknown option '--quick'"},
                      ErrorRow{{"-Q"}, "unknown option '-Q'"},
                      ErrorRow{{"stray"}, "unexpected argument 'stray'"},
                      ErrorRow{{"--exit-when-done"}, "--exit-when-done needs tests to run: add --run <tests>"}));

} // namespace
