// The whole game as a player meets it: the real program in its own Xvfb,
// started in a scratch directory whose "High.txt" holds ten entries of -1
// points, left alone until the monsters have trapped the pirate three
// times, then a name typed into the dialog and "YARRR" clicked with the
// mouse. The screen is read back with xwd and compared with text drawn in
// Allegro's own font; the file is read back as it was written. Every step
// waits for what the screen shows, never for a guessed time, so a busy
// machine makes the test slower, not red.
#include <allegro.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "scratch_directory.h"

namespace {

// A level where the monsters hem the standing pirate in three times within
// about 480 steps (some thirty seconds).
const char *const QUICK_TRAPS_SEED = "3598";

// Sound drivers need a device; this ALSA set-up swallows the music.
const char *const SILENT_ALSA = "pcm.!default { type null }\nctl.!default { type hw card 0 }\n";

using Clock = std::chrono::steady_clock;

void pause(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// The 800x600 window at the top-left of the X screen, as RGB bytes.
struct Shot {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;

    bool valid() const { return width == 800 && height == 600; }
    int brightness(int x, int y) const
    {
        const unsigned char *p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        return std::max(p[0], std::max(p[1], p[2]));
    }
    bool blackIn(int x0, int y0, int x1, int y1) const
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (brightness(x, y) > 0) return false;
        return true;
    }
};

Shot takeShot()
{
    Shot shot;
    std::FILE *pipe =
        popen("xwd -root -silent | convert xwd:- -crop 800x600+0+0 +repage -depth 8 ppm:- 2>/dev/null", "r");
    if (!pipe) return shot;
    std::vector<unsigned char> data;
    unsigned char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) data.insert(data.end(), buffer, buffer + got);
    pclose(pipe);
    // "P6", width, height, maximum, one blank, then the pixels.
    std::size_t pos = 0;
    int numbers[3] = {0, 0, 0};
    if (data.size() < 2 || data[0] != 'P' || data[1] != '6') return shot;
    pos = 2;
    for (int &n : numbers) {
        // Blanks and "#" comment lines (convert names the source there).
        while (pos < data.size() && (std::isspace(data[pos]) || data[pos] == '#')) {
            if (data[pos] == '#')
                while (pos < data.size() && data[pos] != '\n') ++pos;
            else
                ++pos;
        }
        while (pos < data.size() && std::isdigit(data[pos])) n = n * 10 + (data[pos++] - '0');
    }
    ++pos;
    std::size_t bytes = static_cast<std::size_t>(numbers[0]) * static_cast<std::size_t>(numbers[1]) * 3;
    if (numbers[2] != 255 || data.size() < pos + bytes) return shot;
    shot.width = numbers[0];
    shot.height = numbers[1];
    shot.rgb.assign(data.begin() + static_cast<std::ptrdiff_t>(pos),
                    data.begin() + static_cast<std::ptrdiff_t>(pos + bytes));
    return shot;
}

// Whether `text` stands at (x, y) as the game draws it with Allegro's font:
// lit exactly where the glyphs are, dark around them.
bool showsText(const Shot &shot, int x, int y, const std::string &text)
{
    if (!shot.valid()) return false;
    BITMAP *glyphs = create_bitmap_ex(8, text_length(font, text.c_str()) + 2, text_height(font) + 2);
    clear_bitmap(glyphs);
    textout_ex(glyphs, font, text.c_str(), 1, 1, 1, -1);
    bool same = true;
    for (int gy = 0; gy < glyphs->h && same; ++gy) {
        for (int gx = 0; gx < glyphs->w && same; ++gx) {
            int sx = x - 1 + gx, sy = y - 1 + gy;
            if (sx < 0 || sy < 0 || sx >= shot.width || sy >= shot.height) continue;
            bool lit = shot.brightness(sx, sy) > 100;
            same = lit == (getpixel(glyphs, gx, gy) != 0);
        }
    }
    destroy_bitmap(glyphs);
    return same;
}

// Whether `text` stands at (x, y) in dark glyphs on a light field, as the
// name dialog's edit field shows it.
bool fieldShows(const Shot &shot, int x, int y, const std::string &text)
{
    if (!shot.valid()) return false;
    BITMAP *glyphs = create_bitmap_ex(8, text_length(font, text.c_str()), text_height(font));
    clear_bitmap(glyphs);
    textout_ex(glyphs, font, text.c_str(), 0, 0, 1, -1);
    bool same = true, lightGap = false;
    for (int gy = 0; gy < glyphs->h && same; ++gy) {
        for (int gx = 0; gx < glyphs->w && same; ++gx) {
            const bool dark = shot.brightness(x + gx, y + gy) < 100;
            if (getpixel(glyphs, gx, gy) != 0)
                same = dark;
            else
                lightGap = lightGap || !dark;
        }
    }
    destroy_bitmap(glyphs);
    return same && lightGap;
}

// The YARRR button's pixels, to see it light up and go down.
std::vector<unsigned char> yarrrButton(const Shot &shot)
{
    std::vector<unsigned char> pixels;
    for (int y = 117; y <= 134; ++y) {
        const auto row = shot.rgb.begin() + (static_cast<std::ptrdiff_t>(y) * shot.width + 92) * 3;
        pixels.insert(pixels.end(), row, row + 100 * 3);
    }
    return pixels;
}

// Runs an xdotool command line against our display.
void xdotool(const std::string &arguments)
{
    std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << "failed: " << command;
}

class GameEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        install_allegro(SYSTEM_NONE, &errno, atexit);
        startXvfb();
    }

    void TearDown() override
    {
        // The last screen seen is kept beside the test for a look at a failure.
        if (HasFailure() && last.valid()) {
            std::string name = dir.previous() + "/end_to_end_last_screen.ppm";
            if (std::FILE *out = std::fopen(name.c_str(), "wb")) {
                std::fprintf(out, "P6\n%d %d\n255\n", last.width, last.height);
                std::fwrite(last.rgb.data(), 1, last.rgb.size(), out);
                std::fclose(out);
            }
        }
        stopProcess(game);
        stopProcess(xvfb);
    }

    void startXvfb()
    {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        xvfb = fork();
        ASSERT_GE(xvfb, 0);
        if (xvfb == 0) {
            close(fds[0]);
            int devnull = open("/dev/null", O_WRONLY);
            dup2(devnull, 1);
            dup2(devnull, 2);
            std::string fd = std::to_string(fds[1]);
            // -noreset: a screenshot that ends as the game starts would
            // otherwise leave the server resetting, and the game's
            // connection refused.
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   "-noreset", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // Xvfb writes the number of the display it took once it is ready.
        std::string number;
        pollfd ready = {fds[0], POLLIN, 0};
        char c;
        while (poll(&ready, 1, 120000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        ASSERT_FALSE(number.empty()) << "Xvfb did not start";
        setenv("DISPLAY", (":" + number).c_str(), 1);
    }

    void startGame()
    {
        writeWholeFile("High.txt", [] {
            std::string table;
            for (int i = 0; i < 10; ++i) table += "Nobody\n-1\n1\n";
            return table;
        }());
        writeWholeFile("asound.conf", SILENT_ALSA);
        std::string copy = "cp -r '" GROG_ASSET_DIR "/Gfx' '" GROG_ASSET_DIR "/Snd' .";
        ASSERT_EQ(std::system(copy.c_str()), 0);
        std::string alsa = dir.path() + "/asound.conf";
        // In a sanitizer build, full stacks let the leak suppressions recognise
        // what the sound libraries keep until exit.
        const char *sanitizerOptions = std::getenv("ASAN_OPTIONS");
        std::string asan = std::string(sanitizerOptions ? sanitizerOptions : "") + ":fast_unwind_on_malloc=0";
        game = fork();
        ASSERT_GE(game, 0);
        if (game == 0) {
            int out = open("game.log", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(out, 1);
            dup2(out, 2);
            setenv("ALSA_CONFIG_PATH", alsa.c_str(), 1);
            setenv("ASAN_OPTIONS", asan.c_str(), 1);
            execl(GROG_PROGRAM, GROG_PROGRAM, "--seed", QUICK_TRAPS_SEED, "--record", "game.rec",
                  static_cast<char *>(nullptr));
            _exit(127);
        }
    }

    // A screenshot once two in a row are the same: the program has drawn
    // all it is going to.
    bool waitForSettledScreen(double seconds)
    {
        auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        Shot previous = takeShot();
        while (Clock::now() < deadline) {
            last = takeShot();
            if (last.valid() && last.rgb == previous.rgb) return true;
            previous = last;
        }
        return false;
    }

    // The dialog engine reads the mouse button's state rather than its
    // events: the button is held down until YARRR shows pressed, so the
    // press cannot pass unseen between two looks.
    bool clickYarrr()
    {
        const std::vector<unsigned char> plain = yarrrButton(last);
        xdotool("mousemove 140 126");
        if (!waitForScreen([&](const Shot &) { return waitForSettledScreen(20) && yarrrButton(last) != plain; }, 30))
            return false;
        const std::vector<unsigned char> lit = yarrrButton(last);
        xdotool("mousedown 1");
        const bool pressed =
            waitForScreen([&](const Shot &) { return waitForSettledScreen(20) && yarrrButton(last) != lit; }, 30);
        xdotool("mouseup 1");
        return pressed;
    }

    // Polls the screen until `wanted` holds, the game ends, or time runs out.
    // A long wait (the monsters' half minute) looks once a second: each look
    // is a screenshot and its conversion.
    bool waitForScreen(const std::function<bool(const Shot &)> &wanted, double seconds, bool longWait = false)
    {
        const double between = longWait || seconds > 60 ? 1.0 : 0.25;
        auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < deadline) {
            last = takeShot();
            if (last.valid() && wanted(last)) return true;
            if (game > 0 && waitpid(game, &gameStatus, WNOHANG) == game) {
                game = -1;
                return false;
            }
            pause(between);
        }
        return false;
    }

    // As waitForScreen, for as long as the game goes on stepping and has
    // taken fewer than `mostSteps`: only a game that took no step for
    // `quietSeconds` has stopped (its recording has a line for each step).
    // A sanitizer build among busy tests plays slower than the clock, but
    // it plays.
    bool waitWhilePlaying(const std::function<bool(const Shot &)> &wanted, double quietSeconds, long mostSteps)
    {
        for (long steps = -1;;) {
            if (waitForScreen(wanted, quietSeconds, true)) return true;
            const std::string recording = readWholeFile("game.rec");
            const long now = std::count(recording.begin(), recording.end(), '\n');
            if (game <= 0 || now == steps || now > mostSteps) return false;
            steps = now;
        }
    }

    bool gameEndsWithin(double seconds)
    {
        auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < deadline) {
            if (waitpid(game, &gameStatus, WNOHANG) == game) {
                game = -1;
                return true;
            }
            pause(0.1);
        }
        return false;
    }

    static void stopProcess(pid_t &pid)
    {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        for (int i = 0; i < 50 && waitpid(pid, nullptr, WNOHANG) == 0; ++i) pause(0.1);
        if (kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
        pid = -1;
    }

    std::string gameLog() { return readWholeFile("game.log"); }

    ScratchDirectory dir;
    pid_t xvfb = -1;
    pid_t game = -1;
    int gameStatus = 0;
    Shot last;
};

}  // namespace

TEST_F(GameEndToEnd, TrappedThreeTimesNameEnteredAndBackToTheTitle)
{
    startGame();
    ASSERT_TRUE(waitForScreen(
        [](const Shot &s) {
            return showsText(s, 350, 300, "GROG SLOOP") && showsText(s, 100, 20, "1) Nobody - Lvl.1 - -1pts.");
        },
        120))
        << "no title screen with the table\n"
        << gameLog();

    // The pointer over the window gives it the keyboard; any key starts.
    // Out of the way of the texts: the dialog draws the pointer into the
    // screen. Allegro follows the pointer by its motion, clamped at the
    // window's edges: the far and the near corner first bring its idea of
    // the pointer to the X server's.
    xdotool("mousemove 799 599 mousemove 0 0 mousemove 780 580");
    xdotool("key Return");

    // Hands off: the monsters come by themselves.
    // Some 480 steps (half a minute at the normal pace).
    ASSERT_TRUE(waitWhilePlaying([](const Shot &s) { return showsText(s, 350, 300, "GAME OVER"); }, 60, 2000))
        << "no game over: if the levels or the monsters changed, tools/trap-seeds finds a seed that ends soon again\n"
        << gameLog();
    // The edit field and the button over the banner, near the top-left.
    ASSERT_TRUE(
        waitForScreen([](const Shot &s) { return !s.blackIn(17, 77, 141, 84) && !s.blackIn(92, 117, 191, 134); }, 60))
        << "no name dialog";
    EXPECT_TRUE(last.blackIn(0, 0, 799, 60)) << "something drawn above the dialog";

    // The pointer over the field (its right end, off the text) gives it the
    // keys; clear the offered name, type ours, click YARRR.
    xdotool("mousemove 139 81");
    xdotool("key --delay 30 End");
    xdotool("key --delay 30 " + [] {
        std::string keys;
        for (int i = 0; i < 20; ++i) keys += " BackSpace";
        return keys;
    }());
    xdotool("type --delay 60 'Anne Bonny'");
    ASSERT_TRUE(waitForScreen([](const Shot &s) { return fieldShows(s, 21, 81, "Anne Bonny"); }, 30))
        << "the name was not typed";
    ASSERT_TRUE(waitForSettledScreen(20));
    ASSERT_TRUE(clickYarrr()) << "YARRR did not show pressed";
    xdotool("mousemove 780 580");

    ASSERT_TRUE(waitForScreen(
        [](const Shot &s) {
            return showsText(s, 100, 20, "1) Anne Bonny - Lvl.1 - 0pts.") &&
                   showsText(s, 100, 40, "2) Nobody - Lvl.1 - -1pts.") && showsText(s, 350, 300, "GAME OVER");
        },
        60))
        << "the new entry is not at the top of the table";
    std::string expected = "Anne Bonny\n0\n1\n";
    for (int i = 0; i < 9; ++i) expected += "Nobody\n-1\n1\n";
    EXPECT_EQ(readWholeFile("High.txt"), expected);

    // A key leads to the title screen, which shows the new table.
    xdotool("mousemove 780 580 key Return");
    ASSERT_TRUE(waitForScreen(
        [](const Shot &s) {
            return showsText(s, 350, 300, "GROG SLOOP") && showsText(s, 100, 20, "1) Anne Bonny - Lvl.1 - 0pts.");
        },
        60))
        << "no title screen after the game over";

    // ESC held leaves the title, ends the new game at its first step and the
    // first game after it; it is let go once the program has ended.
    xdotool("keydown Escape");
    const bool ended = gameEndsWithin(60);
    xdotool("keyup Escape");
    ASSERT_TRUE(ended) << "the program did not end\n" << gameLog();
    ASSERT_TRUE(WIFEXITED(gameStatus)) << gameLog();
    EXPECT_EQ(WEXITSTATUS(gameStatus), 0) << gameLog();
}
