#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/play_loop.h"
#include "screens/status_bar.h"
#include "screens/status_message.h"
#include "shell_fixture.h"

namespace {

struct Text {
    std::string text;
    int x, y;
    bool rightAligned;
};

// The bar as it must look: `background` (or the plain colour) with the
// given texts in black.
BITMAP *expectedBar(BITMAP *background, const std::vector<Text> &texts)
{
    BITMAP *bar = create_bitmap(800, 100);
    if (background)
        blit(background, bar, 0, 0, 0, 0, 800, 100);
    else
        clear_to_color(bar, plainStatusBackground());
    for (const Text &t : texts) {
        if (t.rightAligned)
            textout_right_ex(bar, font, t.text.c_str(), t.x, t.y, makecol(0, 0, 0), -1);
        else
            textout_ex(bar, font, t.text.c_str(), t.x, t.y, makecol(0, 0, 0), -1);
    }
    return bar;
}

// Counts the pixels of screen rows 500..599 that differ from `bar`.
int differencesFromScreen(BITMAP *bar)
{
    int differences = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 800; ++x) differences += getpixel(bar, x, y) != getpixel(screen, x, 500 + y);
    return differences;
}

// A background with a pattern, so a shifted copy would show.
BITMAP *patternedImage()
{
    BITMAP *image = create_bitmap(800, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 800; ++x) putpixel(image, x, y, makecol((x * 7) & 255, (y * 11) & 255, 200));
    return image;
}

void addBottles(int count)
{
    for (int i = 0; i < count; ++i) {
        Bottle *bottle = new Bottle();
        bottle->setPosition(i, 1);
        BottleList.push_back(bottle);
    }
}

// The parchment inside the middle plaque's frame, in bar pixels.
constexpr int PLAQUE_LEFT = 352, PLAQUE_RIGHT = 448, PLAQUE_TOP = 38, PLAQUE_BOTTOM = 61;

// Screen pixels of the bar that differ from `bar`: how many, and how many
// of them lie outside the plaque's parchment.
void differencesAroundPlaque(BITMAP *bar, BITMAP *shown, int shownTop, int &inside, int &outside)
{
    inside = outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 800; ++x) {
            if (getpixel(bar, x, y) == getpixel(shown, x, shownTop + y)) continue;
            const bool onPlaque = x >= PLAQUE_LEFT && x <= PLAQUE_RIGHT && y >= PLAQUE_TOP && y <= PLAQUE_BOTTOM;
            ++(onPlaque ? inside : outside);
        }
}

WorldEvent trapped(int livesLeft)
{
    WorldEvent event{WorldEventKind::PlayerTrapped};
    event.livesLeft = livesLeft;
    return event;
}

}  // namespace

using StatusBar = ShellTest;

TEST_F(StatusBar, WhatHappenedShowsOnThePlaqueForTwoSecondsAndNeverOverPause)
{
    StatusImage = patternedImage();
    Lives = 2;
    BITMAP *today = expectedBar(StatusImage, {{"Level: 1", 100, 35, false},
                                              {"Lives: 2", 100, 55, false},
                                              {"Bottles left: 0", 700, 35, true},
                                              {"Score: 0", 700, 55, true}});
    sayWhatHappened({trapped(2)});
    int inside = 0, outside = 0;
    for (int step = 0; step < STATUS_MESSAGE_STEPS; ++step) {
        drawStatusBar();
        differencesAroundPlaque(today, screen, 500, inside, outside);
        ASSERT_GT(inside, 0) << "no message at step " << step;
        ASSERT_EQ(outside, 0) << "the message leaves the plaque at step " << step;
        statusMessageStepDone();
    }
    drawStatusBar();
    EXPECT_EQ(differencesFromScreen(today), 0) << "two seconds on, the bar is as it always was";

    // Paused, the plaque says PAUSE alone, whatever is said meanwhile.
    Paused = 1;
    sayOnStatusBar("Music off");
    drawStatusBar();
    BITMAP *paused = expectedBar(StatusImage, {{"PAUSE", 380, 45, false}});
    EXPECT_EQ(differencesFromScreen(paused), 0);
    forgetStatusMessage();
    destroy_bitmap(paused);
    destroy_bitmap(today);
}

TEST_F(StatusBar, EveryMessageFitsThePlaqueAndTheGameOverShowsScoreAndLevelOnIt)
{
    // Within the plaque's twelve letters for any level a game reaches.
    std::vector<WorldEvent> events = {trapped(1), trapped(2), WorldEvent{WorldEventKind::NoWayUp}};
    for (int level : {0, 8, 98, 998}) {
        WorldEvent changed{WorldEventKind::LevelChanged};
        changed.toLevel = level;
        for (bool made : {false, true}) {
            changed.newLevel = made;
            events.push_back(changed);
        }
    }
    for (const WorldEvent &event : events) {
        StatusMessage message;
        ASSERT_TRUE(messageOfEvent(event, message));
        EXPECT_LE(text_length(font, message.upper.c_str()), PLAQUE_RIGHT - PLAQUE_LEFT + 1) << message.upper;
        EXPECT_LE(text_length(font, message.lower.c_str()), PLAQUE_RIGHT - PLAQUE_LEFT + 1) << message.lower;
    }
    StatusMessage none;
    EXPECT_FALSE(messageOfEvent(trapped(0), none)) << "the last life is the game-over screen's to tell";

    StatusImage = patternedImage();
    BITMAP *target = create_bitmap(800, 600);
    clear_bitmap(target);
    drawGameOverBar(target, 4560, 7);
    BITMAP *bare = expectedBar(StatusImage, {});
    int inside = 0, outside = 0;
    differencesAroundPlaque(bare, target, 500, inside, outside);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0) << "the counters are gone with the game";
    const StatusMessage over = gameOverMessage(4560, 7);
    EXPECT_NE(over.upper.find("4560"), std::string::npos);
    EXPECT_NE(over.lower.find('7'), std::string::npos);
    destroy_bitmap(bare);
    destroy_bitmap(target);
}

TEST_F(StatusBar, FourCountersAtTheirPlacesOverTheImage)
{
    StatusImage = patternedImage();
    LevelIndex = 0;
    Lives = 3;
    Score = 120;
    addBottles(7);
    drawStatusBar();
    BITMAP *expected = expectedBar(StatusImage, {{"Level: 1", 100, 35, false},
                                                 {"Lives: 3", 100, 55, false},
                                                 {"Bottles left: 7", 700, 35, true},
                                                 {"Score: 120", 700, 55, true}});
    EXPECT_EQ(differencesFromScreen(expected), 0);
    destroy_bitmap(expected);
}

TEST_F(StatusBar, LongNumbersGrowAwayFromTheirAnchors)
{
    LevelIndex = 1233;
    Lives = 99999;
    Score = 1234567890;
    addBottles(250);
    drawStatusBar();
    BITMAP *expected = expectedBar(nullptr, {{"Level: 1234", 100, 35, false},
                                             {"Lives: 99999", 100, 55, false},
                                             {"Bottles left: 250", 700, 35, true},
                                             {"Score: 1234567890", 700, 55, true}});
    EXPECT_EQ(differencesFromScreen(expected), 0);
    destroy_bitmap(expected);
}

TEST_F(StatusBar, OnlyPauseWhilePaused)
{
    StatusImage = patternedImage();
    Paused = 1;
    Score = 500;
    addBottles(3);
    drawStatusBar();
    BITMAP *expected = expectedBar(StatusImage, {{"PAUSE", 380, 45, false}});
    EXPECT_EQ(differencesFromScreen(expected), 0);
    destroy_bitmap(expected);
}

TEST_F(StatusBar, WithoutItsImageTheTextsStandOnAPlainBackground)
{
    ASSERT_EQ(StatusImage, nullptr);
    drawStatusBar();
    BITMAP *expected = expectedBar(nullptr, {{"Level: 1", 100, 35, false},
                                             {"Lives: 3", 100, 55, false},
                                             {"Bottles left: 0", 700, 35, true},
                                             {"Score: 0", 700, 55, true}});
    EXPECT_EQ(differencesFromScreen(expected), 0);
    destroy_bitmap(expected);
}

TEST_F(StatusBar, ASmallerImageLeavesNoOldTextBehindIt)
{
    Paused = 1;
    drawStatusBar();
    Paused = 0;
    StatusImage = create_bitmap(10, 10);
    clear_to_color(StatusImage, makecol(0, 0, 255));
    drawStatusBar();
    EXPECT_EQ(getpixel(screen, 5, 505), makecol(0, 0, 255));
    for (int y = 545; y < 553; ++y)
        for (int x = 380; x < 420; ++x)
            ASSERT_EQ(getpixel(screen, x, y), plainStatusBackground()) << "PAUSE still shows at " << x << "," << y;
}
