// The command-line host's argument grammar, as a shell hands the arguments over.
#include <gtest/gtest.h>

#include "CommandLine.h"

namespace {

using namespace corvo::hosts::cli;

TEST(CommandLineTest, ModuleAndQuickSelectorsInAllSpellings)
{
    const ParseResult parsed = ParseCommandLine({"-Mkeyboard", "-Q", "-Qp,u", "--quick", "--quick=ps2,usb"});
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.commandLine.moduleName, "keyboard");
    const auto& selectors = parsed.commandLine.selectors;
    ASSERT_EQ(selectors.size(), 4u);
    EXPECT_EQ(selectors[0].name, "Q");
    EXPECT_FALSE(selectors[0].longForm);
    EXPECT_FALSE(selectors[0].list.has_value());
    EXPECT_EQ(selectors[1].name, "Q");
    EXPECT_EQ(selectors[1].list, "p,u");
    EXPECT_EQ(selectors[2].name, "quick");
    EXPECT_TRUE(selectors[2].longForm);
    EXPECT_FALSE(selectors[2].list.has_value());
    EXPECT_EQ(selectors[3].name, "quick");
    EXPECT_EQ(selectors[3].list, "ps2,usb");
}

TEST(CommandLineTest, HostOptions)
{
    const ParseResult parsed = ParseCommandLine(
        {"--list", "--json", "--help", "--version", "--workdir=/tmp/x", "--module-path=lib.so", "--module=keyboard"});
    ASSERT_EQ(parsed.error, "");
    const CommandLine& commandLine = parsed.commandLine;
    EXPECT_TRUE(commandLine.list);
    EXPECT_TRUE(commandLine.json);
    EXPECT_TRUE(commandLine.help);
    EXPECT_TRUE(commandLine.version);
    EXPECT_EQ(commandLine.workDirectory, "/tmp/x");
    EXPECT_EQ(commandLine.modulePath, "lib.so");
    EXPECT_EQ(commandLine.moduleName, "keyboard");
    EXPECT_TRUE(commandLine.selectors.empty());
}

struct BadArguments {
    std::vector<std::string> arguments;
    std::string errorFragment;
};

class CommandLineErrorTest : public ::testing::TestWithParam<BadArguments> {};

TEST_P(CommandLineErrorTest, IsRejectedWithAReason)
{
    const ParseResult parsed = ParseCommandLine(GetParam().arguments);
    EXPECT_NE(parsed.error.find(GetParam().errorFragment), std::string::npos) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineErrorTest,
                         ::testing::Values(BadArguments{{"-M"}, "needs a module name"},
                                           BadArguments{{"--workdir="}, "needs a value"},
                                           BadArguments{{"--module-path="}, "needs a value"},
                                           BadArguments{{"keyboard"}, "unexpected argument 'keyboard'"},
                                           BadArguments{{"-Mkeyboard", "-"}, "unexpected argument '-'"}));

struct ListRow {
    std::string list;
    std::vector<std::string> items;
};

class TestListTest : public ::testing::TestWithParam<ListRow> {};

TEST_P(TestListTest, SplitsIntoTrimmedItems)
{
    std::vector<std::string> items;
    std::string error;
    ASSERT_TRUE(SplitTestList(GetParam().list, items, error)) << error;
    EXPECT_EQ(items, GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(Lists, TestListTest,
                         ::testing::Values(ListRow{"p", {"p"}}, ListRow{"p,u", {"p", "u"}},
                                           // Quotes survive when no shell stood in between.
                                           ListRow{"\"p,u\"", {"p", "u"}}, ListRow{" ps2 , usb ", {"ps2", "usb"}},
                                           ListRow{"k,a,k", {"k", "a", "k"}}));

TEST(TestListTest, EmptyItemsAreErrors)
{
    std::vector<std::string> items;
    std::string error;
    for (const std::string list : {"", "p,", ",u", "p,,u", "\"\"", " , "}) {
        EXPECT_FALSE(SplitTestList(list, items, error)) << "'" << list << "'";
        EXPECT_NE(error.find("empty test name"), std::string::npos);
    }
}

} // namespace
