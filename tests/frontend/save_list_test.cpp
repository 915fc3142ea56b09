// save_list_test.cpp -- saves/sL.kv from the first start to many games, and what a bad list may do
#include "engine/app_state.h"
#include "frontend/load_screen.h"
#include "frontend/save_list.h"
#include "support/harness.h"
#include "tutorial/tutorial.h"
#include "world/game_session.h"

#include <gtest/gtest.h>

TEST(SaveList, FirstStartMakesANewPlayerAndTheTutorialNumbersTheFirstGameOne) {
    Harness h;
    h.boot();
    EXPECT_EQ(h.readFile("saves/sL.kv"), "0\n");
    EXPECT_TRUE(saveList.NewPlayer);
    h.writeFile("saves/tS.kv", "5\n");
    completeTutorial();
    EXPECT_EQ(h.readFile("saves/sL.kv"), "1\n");
    EXPECT_FALSE(h.fileExists("saves/tS.kv"));
    EXPECT_TRUE(showing(GameScreen::Title));
    h.startGame(7);
    EXPECT_TRUE(h.fileExists("saves/1.kv"));
    EXPECT_EQ(h.readFile("saves/sL.kv"), "2\n1\n");
    h.startGame(8);
    EXPECT_EQ(h.readFile("saves/sL.kv"), "3\n2\n1\n");
    EXPECT_EQ(session.SaveNumber, 2);
}

TEST(SaveList, NumbersAreNeverReusedAfterDeletes) {
    Harness h({.saves = {{"sL.kv", "3\n2\n1\n"}}});
    h.boot();
    deleteSave("2");
    EXPECT_EQ(h.readFile("saves/sL.kv"), "3\n1\n");
    h.startGame(1);
    EXPECT_EQ(session.SaveNumber, 3);
    EXPECT_EQ(h.readFile("saves/sL.kv"), "4\n3\n1\n");
}

TEST(SaveList, DeleteRemovesTheFileAndOnlyItsFirstEntry) {
    Harness h({.saves = {{"sL.kv", "5\n4\n2\n4\n"}, {"4.kv", "x\n"}}});
    h.boot();
    deleteSave("4");
    EXPECT_EQ(h.readFile("saves/sL.kv"), "5\n2\n4\n");
    EXPECT_FALSE(h.fileExists("saves/4.kv"));
    deleteSave("9");  // not listed, no file: the list is still rewritten, nothing breaks
    EXPECT_EQ(h.readFile("saves/sL.kv"), "5\n2\n4\n");
}

TEST(SaveList, EntriesThatAreNotNumbersNeverNameAFile) {
    Harness h({.saves = {{"sL.kv", "3\n../sF\nsF\n1\n"}, {"1.kv", "One\n10\n5\n"}}});
    h.boot();
    std::string settingsBefore = h.readFile("saves/sF.kv");
    buildLoadRows();
    ASSERT_EQ(loadRows.rows.size(), 1u);
    EXPECT_EQ(loadRows.rows[0].id, "1");
    deleteSave("../sF");
    deleteSave("sF");
    EXPECT_EQ(h.readFile("saves/sF.kv"), settingsBefore);
    EXPECT_EQ(h.readFile("saves/sL.kv"), "3\n1\n");
}

TEST(SaveList, AnEmptyOrUnreadableListIsANewPlayerWhoNeverGetsAUsedNumber) {
    {
        Harness h({.saves = {{"sL.kv", ""}}});
        h.boot();
        EXPECT_TRUE(saveList.NewPlayer);
        EXPECT_TRUE(showing(GameScreen::Title) || showing(GameScreen::InputChooser));
    }
    Harness h({.saves = {{"sL.kv", "garbage\n4\n2\n"}}});
    h.boot();
    EXPECT_TRUE(saveList.NewPlayer);
    tutorialCompleted();
    EXPECT_EQ(saveList.NextSaveNumber, 5) << "games 4 and 2 keep their files";
}

TEST(SaveList, LoadRowsSkipMissingAndShortFilesAndGroupTheSeed) {
    Harness h({.saves = {{"sL.kv", "9\n1\n2\n3\n4\n"},
                         {"1.kv", "Alpha\n45\n123456789\n"},
                         {"2.kv", "Short\n1\n"},
                         {"4.kv", "Delta\n100\n0\n"}}});
    h.boot();
    buildLoadRows();
    ASSERT_EQ(loadRows.rows.size(), 2u);
    EXPECT_EQ(loadRows.rows[0].name, "Alpha");
    EXPECT_EQ(loadRows.rows[0].progress, "45%");
    EXPECT_TRUE(loadRows.rows[0].seed == "123,456,789" || loadRows.rows[0].seed == "123456789")
        << "grouped by the locale: " << loadRows.rows[0].seed;
    EXPECT_EQ(loadRows.rows[1].name, "Delta");
    EXPECT_EQ(saveList.entries.size(), 5u) << "unreadable games stay listed";
}
