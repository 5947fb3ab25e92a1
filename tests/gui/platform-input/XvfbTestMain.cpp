// GoogleTest main for tests that need a real X server: starts a private Xvfb, points the
// QApplication at it and keeps it for the whole program. Without Xvfb the program reports a skip.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "XvfbServer.h"

namespace corvo::gui_testing {

namespace {
std::string g_displayName;
}

const std::string& TestDisplay()
{
    return g_displayName;
}

} // namespace corvo::gui_testing

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    using corvo::gui_testing::XvfbServer;
    // Listing the cases needs no server; CTest does it at build time.
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (!XvfbServer::IsInstalled()) {
        std::fprintf(stderr, "Xvfb is not installed; skipping\n");
        return 77;
    }
    std::string failure;
    auto server = XvfbServer::Start(failure);
    if (!server) {
        std::fprintf(stderr, "Xvfb did not start: %s\n", failure.c_str());
        return 1;
    }
    corvo::gui_testing::g_displayName = server->DisplayName();
    setenv("DISPLAY", server->DisplayName().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    int result = 0;
    {
        QApplication application(argc, argv);
        result = RUN_ALL_TESTS();
    }
    server->Stop();
    return result;
}
