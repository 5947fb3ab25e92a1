// GoogleTest main for tests that need an environment: a run whose every test skipped exits 77,
// which CTest reports as skipped rather than passed. Built with UMOCKDEV_PRELOAD, it first starts
// the program again with umockdev's preload library, which emulates /dev, when it was started
// without it: under CTest, in the one-process sanitizer run, by hand or in a debugger alike.
#include <gtest/gtest.h>

#ifdef UMOCKDEV_PRELOAD
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kRestartedMarker[] = "PLATFORM_INPUT_UMOCKDEV_RESTARTED";

void RestartWithPreload(char** argv)
{
    const char* preload = std::getenv("LD_PRELOAD");
    if ((preload != nullptr && std::strstr(preload, UMOCKDEV_PRELOAD) != nullptr) ||
        std::getenv(kRestartedMarker) != nullptr) {
        return;
    }
    const std::string preloads = std::string(UMOCKDEV_PRELOAD) + (preload != nullptr ? std::string(":") + preload : "");
    // The preload library comes before a sanitizer runtime; ASan must be told that is fine, on
    // top of whatever options the caller set.
    const char* sanitizerOptions = std::getenv("ASAN_OPTIONS");
    const std::string options =
        (sanitizerOptions != nullptr && *sanitizerOptions ? std::string(sanitizerOptions) + ":" : std::string()) +
        "verify_asan_link_order=0";
    ::setenv("LD_PRELOAD", preloads.c_str(), 1);
    ::setenv("ASAN_OPTIONS", options.c_str(), 1);
    ::setenv(kRestartedMarker, "1", 1);
    ::execv("/proc/self/exe", argv);
    // Without the restart the tests find no emulated devices and report skips.
}

} // namespace
#endif

int main(int argc, char** argv)
{
#ifdef UMOCKDEV_PRELOAD
    RestartWithPreload(argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    const ::testing::UnitTest& tests = *::testing::UnitTest::GetInstance();
    if (result == 0 && tests.test_to_run_count() > 0 && tests.skipped_test_count() == tests.test_to_run_count()) {
        return 77;
    }
    return result;
}
