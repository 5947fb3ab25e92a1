// GoogleTest main for tests that need an environment: a run whose every test skipped exits 77,
// which CTest reports as skipped rather than passed. Built with UMOCKDEV_PRELOAD, it first starts
// the program again with umockdev's preload library, which emulates /dev, when it was started
// without it: under CTest, in the one-process sanitizer run, by hand or in a debugger alike.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
#ifdef UMOCKDEV_PRELOAD
    const std::string preload = std::getenv("LD_PRELOAD") ? std::getenv("LD_PRELOAD") : "";
    if (preload.find(UMOCKDEV_PRELOAD) == std::string::npos && !std::getenv("PLATFORM_INPUT_UMOCKDEV_RESTARTED")) {
        // The preload library comes before a sanitizer runtime; ASan must be told that is fine.
        const std::string sanitizer = std::getenv("ASAN_OPTIONS") ? std::getenv("ASAN_OPTIONS") : "";
        ::setenv("LD_PRELOAD", (UMOCKDEV_PRELOAD + (preload.empty() ? "" : ":" + preload)).c_str(), 1);
        ::setenv("ASAN_OPTIONS", ((sanitizer.empty() ? "" : sanitizer + ":") + "verify_asan_link_order=0").c_str(), 1);
        ::setenv("PLATFORM_INPUT_UMOCKDEV_RESTARTED", "1", 1);
        // Should the restart fail, the tests find no emulated devices and report skips.
        ::execv("/proc/self/exe", argv);
    }
#endif
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    const ::testing::UnitTest& tests = *::testing::UnitTest::GetInstance();
    const bool allSkipped = tests.test_to_run_count() > 0 && tests.skipped_test_count() == tests.test_to_run_count();
    return result == 0 && allSkipped ? 77 : result;
}
