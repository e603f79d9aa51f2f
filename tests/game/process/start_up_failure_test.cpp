// Start-up failures end the process with a reason on standard error. Each
// case runs in a child process of its own, before any Allegro start.
#include <gtest/gtest.h>

#include <allegro.h>

#include <sys/resource.h>

#include <cstdlib>
#include <string>

#include "process/exit_on_failure.h"
#include "process/start_up.h"

namespace {

class StartUpFailure : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

}  // namespace

TEST_F(StartUpFailure, NoDisplayEndsWithStatusOneAndAReason)
{
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            startLibraryOrExit();
            // Reaching this would mean the install calls that follow run on
            // a library that never started.
            std::exit(0);
        },
        ::testing::ExitedWithCode(1), "cannot start the Allegro library: .+");
}

TEST_F(StartUpFailure, WindowThatCannotBeOpenedEndsWithStatusOneAndAReason)
{
    EXPECT_EXIT(
        {
            startLibraryOrExit();
            set_color_depth(16);
            openWindowOrExit(AL_ID('N', 'O', 'N', 'E'), 800, 600);
            std::exit(0);
        },
        ::testing::ExitedWithCode(1), "cannot open a 800x600 window in 16-bit colour: .+");
}

// Starves the child of memory: the address space for a plain build, the
// allocator's size limit for a sanitizer build (whose shadow memory needs
// far more address space than any limit would leave).
void limitAllocations()
{
#if defined(__SANITIZE_ADDRESS__)
    // Read by the child when it starts; the running parent is unaffected.
    const char *options = std::getenv("ASAN_OPTIONS");
    std::string limited = options ? options : "";
    limited += ":allocator_may_return_null=1:max_allocation_size_mb=64";
    setenv("ASAN_OPTIONS", limited.c_str(), 1);
#endif
}

TEST_F(StartUpFailure, BitmapThatCannotBeMadeEndsWithStatusOneAndAReason)
{
    limitAllocations();
    EXPECT_EXIT(
        {
            install_allegro(SYSTEM_NONE, &errno, atexit);
            set_color_depth(16);
#if !defined(__SANITIZE_ADDRESS__)
            rlimit limit{};
            getrlimit(RLIMIT_AS, &limit);
            long pages = 0;
            if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
                if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
                std::fclose(statm);
            }
            limit.rlim_cur = static_cast<rlim_t>(pages) * 4096 + (64u << 20);
            setrlimit(RLIMIT_AS, &limit);
#endif
            // 8000 x 8000 at two bytes a pixel: 128 MB.
            createBitmapOrExit(8000, 8000, "world bitmap");
            std::exit(0);
        },
        ::testing::ExitedWithCode(1), "out of memory for the 8000x8000 world bitmap");
}
