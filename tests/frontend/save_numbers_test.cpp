// save_numbers_test.cpp -- a new game never writes over a game that exists, whatever the
// list says: stale or damaged lists, numbers at the 32-bit limit, padded ids
#include "engine/app_state.h"
#include "frontend/load_screen.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "support/play.h"
#include "world/game_session.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A whole saved game named name, every other line 0 but the seed.
std::string savedGame(const std::string& name, int seed = 77) {
    std::string text = name + "\n0\n" + std::to_string(seed) + "\n";
    for (int line = 4; line <= 53; line++) text += "0\n";
    return text;
}

HarnessOptions withFiles(std::vector<std::pair<std::string, std::string>> files) {
    files.push_back(settingsFile());  // straight to the title
    return HarnessOptions{.saves = files};
}

// The file's modification time, seconds ago.
void ageFile(Harness& h, const std::string& relative, int seconds) {
    namespace fs = std::filesystem;
    fs::path file = h.path(relative);
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::seconds(seconds));
}

}  // namespace

TEST(SaveNumbers, ANewGameNeverTakesTheNumberOfAListedGame) {
    Harness h(withFiles({{"sL.kv", "1\n1\n"}, {"1.kv", savedGame("Mine")}}));
    h.boot();
    h.startGame(5);
    EXPECT_EQ(session.SaveNumber, 2);
    EXPECT_EQ(h.readFile("saves/1.kv"), savedGame("Mine")) << "the listed game is untouched";
    EXPECT_EQ(h.readFile("saves/sL.kv"), "3\n2\n1\n");
}

TEST(SaveNumbers, ANewGameNeverTakesTheNumberOfAGameOnDisk) {
    Harness h(withFiles({{"sL.kv", "2\n2\n"}, {"2.kv", savedGame("Two")}, {"4.kv", savedGame("Four")}}));
    h.boot();
    h.startGame(5);
    EXPECT_EQ(session.SaveNumber, 5) << "above listed game 2 and unlisted saves/4.kv";
    EXPECT_EQ(h.readFile("saves/2.kv"), savedGame("Two"));
    EXPECT_EQ(h.readFile("saves/4.kv"), savedGame("Four"));
    h.startGame(6);
    EXPECT_EQ(session.SaveNumber, 6);
    EXPECT_EQ(h.readFile("saves/sL.kv"), "7\n6\n5\n2\n");
}

TEST(SaveNumbers, AnEmptyListIsRebuiltFromTheGamesOnDiskNewestFirst) {
    Harness h(withFiles({{"sL.kv", ""}, {"3.kv", savedGame("Older")}, {"5.kv", savedGame("Newer")}}));
    ageFile(h, "saves/3.kv", 3600);
    ageFile(h, "saves/5.kv", 60);
    h.boot();
    EXPECT_EQ(h.readFile("saves/sL.kv"), "6\n5\n3\n");
    EXPECT_TRUE(h.fileExists("saves/sL.kv.bad")) << "the damaged list is kept beside the new one";
    EXPECT_EQ(h.readFile("saves/sL.kv.bad"), "");
    EXPECT_FALSE(saveList.NewPlayer);
    buildLoadRows();
    ASSERT_EQ(loadRows.rows.size(), 2u);
    EXPECT_EQ(loadRows.rows[0].name, "Newer");
    EXPECT_EQ(loadRows.rows[1].name, "Older");
}

TEST(SaveNumbers, AGarbageListNeverSendsAPlayerWithGamesThroughTheTutorialOrOverGameOne) {
    Harness h(withFiles({{"sL.kv", "\x01garbage\n#\n"}, {"1.kv", savedGame("First")}}));
    h.boot();
    EXPECT_EQ(h.readFile("saves/sL.kv.bad"), "\x01garbage\n#\n");
    ASSERT_TRUE(showing(GameScreen::Title));
    h.menuPress(500, 500);  // Play
    EXPECT_FALSE(showing(GameScreen::Tutorial)) << "a player with a game on disk is not new";
    EXPECT_TRUE(showing(GameScreen::MainMenu));
    h.startGame(9);
    EXPECT_EQ(session.SaveNumber, 2);
    EXPECT_EQ(h.readFile("saves/1.kv"), savedGame("First"));
    h.restart();
    EXPECT_EQ(h.readFile("saves/sL.kv"), "3\n2\n1\n") << "the rebuilt list is the list from now on";
}

TEST(SaveNumbers, AListAtTheLimitTakesTheHighestNumberThenTheLowestFreeOnes) {
    Harness h(withFiles({{"sL.kv", "2147483647\n3\n"}, {"3.kv", savedGame("Three")}}));
    h.boot();
    h.startGame(1);
    EXPECT_EQ(session.SaveNumber, 2147483647);
    EXPECT_TRUE(h.fileExists("saves/2147483647.kv"));
    h.startGame(2);
    EXPECT_EQ(session.SaveNumber, 1);
    h.startGame(3);
    EXPECT_EQ(session.SaveNumber, 2);
    h.startGame(4);
    EXPECT_EQ(session.SaveNumber, 4) << "3 is taken";
    EXPECT_EQ(h.readFile("saves/3.kv"), savedGame("Three"));
    EXPECT_EQ(h.readFile("saves/sL.kv"), "2147483647\n4\n2\n1\n2147483647\n3\n");
    h.restart();
    EXPECT_FALSE(saveList.NewPlayer);
    EXPECT_EQ(saveList.NextSaveNumber, 2147483647);
}

TEST(SaveNumbers, TheTutorialsFirstNumberStaysClearOfGamesAtTheLimit) {
    Harness h(withFiles({{"sL.kv", "0\n2147483647\n"}}));
    h.boot();
    tutorialCompleted();
    EXPECT_EQ(saveList.NextSaveNumber, 1) << "no number above 2147483647: the lowest free one";
    h.startGame(1);
    EXPECT_EQ(session.SaveNumber, 1);
}

TEST(SaveNumbers, PaddedIdsNeverNameAFile) {
    Harness h(withFiles({{"sL.kv", "3\n007\n1\n"}, {"007.kv", savedGame("Padded")}, {"1.kv", savedGame("One")}}));
    h.boot();
    buildLoadRows();
    ASSERT_EQ(loadRows.rows.size(), 1u);
    EXPECT_EQ(loadRows.rows[0].id, "1");
    raiseLoadingScreen(74);
    EXPECT_FALSE(loadGame("007"));
    EXPECT_FALSE(showing(GameScreen::Game));
    h.startGame(2);
    EXPECT_EQ(session.SaveNumber, 8) << "007 still counts as a game numbered 7";
    EXPECT_FALSE(h.fileExists("saves/7.kv"));
    EXPECT_EQ(h.readFile("saves/007.kv"), savedGame("Padded"));
}
