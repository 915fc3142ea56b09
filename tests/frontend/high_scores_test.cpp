// high_scores_test.cpp -- the three fastest times: recording, ordering, resetting, showing
#include "frontend/high_scores.h"
#include "inventory/hud.h"
#include "support/harness.h"

#include <gtest/gtest.h>

TEST(HighScores, MissingFileIsCreatedEmpty) {
    Harness h;
    h.boot();
    EXPECT_EQ(h.readFile("saves/hS.kv"), "0\n0\n0\n");
}

TEST(HighScores, FirstFinishGetsInAndIsSortedOnTheWayToTheMainMenu) {
    Harness h;
    h.boot();
    recordHighScore(1234);
    EXPECT_TRUE(highScores.newHighScore);
    EXPECT_EQ(h.readFile("saves/hS.kv"), "0\n0\n1234\n");
    sortHighScores();
    EXPECT_EQ(h.readFile("saves/hS.kv"), "1234\n0\n0\n");
    EXPECT_EQ(TimerText(highScores.entries[0]), "20:34");
}

TEST(HighScores, OnlyATimeFasterThanTheSlowestGetsIntoAFullTable) {
    Harness h({.saves = {{"hS.kv", "300\n400\n500\n"}}});
    h.boot();
    recordHighScore(500);
    EXPECT_FALSE(highScores.newHighScore) << "equal to the slowest is not faster";
    recordHighScore(600);
    EXPECT_FALSE(highScores.newHighScore);
    EXPECT_EQ(h.readFile("saves/hS.kv"), "300\n400\n500\n");
    recordHighScore(450);
    EXPECT_TRUE(highScores.newHighScore);
    sortHighScores();
    EXPECT_EQ(h.readFile("saves/hS.kv"), "300\n400\n450\n");
}

TEST(HighScores, SortingKeepsEqualTimesAndOnlyWritesOnAChange) {
    Harness h({.saves = {{"hS.kv", "0\n200\n200\n"}}});
    h.boot();
    sortHighScores();
    EXPECT_EQ(h.readFile("saves/hS.kv"), "200\n200\n0\n");
    h.writeFile("saves/hS.kv", "sorted already\n");
    sortHighScores();
    EXPECT_EQ(h.readFile("saves/hS.kv"), "sorted already\n") << "an ordered table is not rewritten";
}

TEST(HighScores, DamagedLinesAreEmptyPlaces) {
    Harness h({.saves = {{"hS.kv", "abc\n-40\n"}}});
    h.boot();
    EXPECT_EQ(highScores.entries[0], 0);
    EXPECT_EQ(highScores.entries[1], 0);
    EXPECT_EQ(highScores.entries[2], 0);
}

TEST(HighScores, TimerTextFormats) {
    EXPECT_EQ(TimerText(0), "00:00");
    EXPECT_EQ(TimerText(59), "00:59");
    EXPECT_EQ(TimerText(60), "1:00");
    EXPECT_EQ(TimerText(125), "2:05");
    EXPECT_EQ(TimerText(3599), "59:59");
    EXPECT_EQ(TimerText(3600), "1:00:00");
    EXPECT_EQ(TimerText(3725), "1:02:05");
    EXPECT_EQ(TimerText(360000), "100:00:00");
    EXPECT_EQ(TimerText(3600000), "1000:00:00");
}
