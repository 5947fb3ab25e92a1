// GoogleTest main for tests that need a real X server: starts a private Xvfb, points the
// QApplication at it and keeps it for the whole program. Without Xvfb the program reports a skip.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>

#include "XvfbServer.h"

namespace {
std::string g_displayName;
}

const std::string& corvo::gui_testing::TestDisplay()
{
    return g_displayName;
}

int main(int argc, char** argv)
{
    using corvo::gui_testing::XvfbServer;
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the cases needs no server; CTest does it at build time.
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    std::string failure = "Xvfb is not installed; skipping";
    const auto server = XvfbServer::IsInstalled() ? XvfbServer::Start(failure) : nullptr;
    if (!server) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        return XvfbServer::IsInstalled() ? 1 : 77;
    }
    g_displayName = server->DisplayName();
    setenv("DISPLAY", server->DisplayName().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
