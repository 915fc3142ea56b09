// save_game_test.cpp -- the 53-line save: exact lines, round trips, damaged and hostile files
#include "engine/app_state.h"
#include "engine/save_files.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "support/play.h"
#include "world/game_session.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string lines53(const std::vector<std::string>& first) {
    std::string text;
    for (size_t i = 0; i < 53; i++) text += (i < first.size() ? first[i] : "0") + "\n";
    return text;
}

}  // namespace

TEST(SaveGame, WritesTheFiftyThreeLinesInOrder) {
    Harness h;
    h.boot();
    GameSession& s = session;
    s.SaveNumber = 3;
    s.SaveName = "My Meadow 2";
    s.world.WorldSeed = 123456789;
    s.world.RunningSeed = 3000000000u;
    s.player.playerX = 415;
    s.player.PlayTimer = 3725;
    s.world.AreaContents[0] = 3;
    s.world.AreaContents[2] = 11;
    s.Inventory[0] = 13;
    s.Inventory[8] = 21;
    s.ResearchLevel[1] = 100;
    s.ResearchLevel[21] = 62;
    s.OverallProgress = 99;  // stale: the file gets the value computed afresh
    s.world.AreaCounter = 17;
    s.world.KindCounts[1] = 4;
    s.world.KindCounts[11] = 2;
    s.clocks.dayClock = 898.9;
    s.clocks.rainClock = -37.9;
    saveGame();
    std::vector<std::string> lines = splitLines(h.readFile("saves/3.kv"));
    ASSERT_EQ(lines.size(), 53u);
    EXPECT_EQ(lines[0], "My Meadow 2");
    EXPECT_EQ(lines[1], "7");              // (100 + 62) div 21
    EXPECT_EQ(lines[2], "123456789");
    EXPECT_EQ(lines[3], "-1294967296");    // the seed's 32 bits as a signed number
    EXPECT_EQ(lines[4], "415");
    EXPECT_EQ(lines[5], "3725");
    EXPECT_EQ(lines[6], "3");
    EXPECT_EQ(lines[8], "11");
    EXPECT_EQ(lines[9], "13");
    EXPECT_EQ(lines[17], "21");
    EXPECT_EQ(lines[18], "100");
    EXPECT_EQ(lines[38], "62");
    EXPECT_EQ(lines[39], "17");
    EXPECT_EQ(lines[40], "4");
    EXPECT_EQ(lines[50], "2");
    EXPECT_EQ(lines[51], "898");           // clocks cut toward zero
    EXPECT_EQ(lines[52], "-37");
    EXPECT_FALSE(h.fileExists("saves/3.kv.tmp")) << "the temporary file is renamed away";
}

TEST(SaveGame, LoadRestoresEverySavedFieldAndRestsTheRest) {
    Harness h;
    h.boot();
    session.SaveNumber = 5;
    session.SaveName = "Round Trip";
    session.world.WorldSeed = 42;
    session.world.RunningSeed = 3000000000u;
    session.player.playerX = 600;
    session.world.AreaContents[1] = 9;
    session.Inventory[4] = 17;
    session.ResearchLevel[12] = 75;
    session.clocks.rainClock = -0.5;
    saveGame();
    std::string saved = h.readFile("saves/5.kv");
    session = GameSession{};
    ASSERT_TRUE(loadFromList(h, "5", saved));
    EXPECT_EQ(session.SaveName, "Round Trip");
    EXPECT_EQ(session.SaveNumber, 5);
    EXPECT_EQ(session.world.RunningSeed, 3000000000u);
    EXPECT_EQ(session.world.AreaContents[1], 9);
    EXPECT_EQ(session.Inventory[4], 17);
    EXPECT_EQ(session.ResearchLevel[12], 75);
    EXPECT_EQ(session.clocks.rainClock, 0.0) << "-0.5 was written as 0: not raining";
    EXPECT_EQ(session.player.playerY, 400);
    EXPECT_TRUE(session.player.controlEnabled);
    EXPECT_FALSE(session.player.inTransition);
    EXPECT_TRUE(showing(GameScreen::Game));
    saveGame();
    EXPECT_EQ(h.readFile("saves/5.kv"), saved) << "load and save again gives the same file";
}

TEST(SaveGame, ShortFilesReadZeroAndTrailingTextIsIgnored) {
    Harness h;
    h.boot();
    ASSERT_TRUE(loadFromList(h, "4", "Short\n2\n77\n-5\n12abc\n  30 seconds\n"));
    EXPECT_EQ(session.SaveName, "Short");
    EXPECT_EQ(session.world.WorldSeed, 77u);
    EXPECT_EQ(session.world.RunningSeed, static_cast<uint32_t>(-5));
    EXPECT_EQ(session.player.playerX, 50) << "12 is raised to 50";
    EXPECT_EQ(session.player.PlayTimer, 30);
    EXPECT_EQ(session.Inventory[0], 0);
    EXPECT_EQ(session.world.AreaCounter, 0);
    ASSERT_TRUE(loadFromList(h, "6", ""));
    EXPECT_EQ(session.SaveName, "0") << "a missing name line reads as 0";
}

TEST(SaveGame, WalkingOutResumesTheWalkOutIntoTheSameArea) {
    Harness h;
    h.boot();
    ASSERT_TRUE(loadFromList(h, "2", lines53({"Out", "0", "1", "1", "990", "0", "4", "5", "6"})));
    EXPECT_TRUE(session.player.inTransition);
    EXPECT_FALSE(session.player.controlEnabled);
    EXPECT_TRUE(session.player.nextAreaChosen) << "no new area is chosen on the way back in";
    EXPECT_EQ(session.world.AreaContents[2], 6);
}

TEST(SaveGame, LoadMovesTheGameToTheFrontOfTheListEvenWhenItIsThere) {
    Harness h;
    h.boot();
    h.writeFile("saves/3.kv", lines53({"Three"}));
    saveList.entries = {"4", "2", "3", "1"};
    raiseLoadingScreen(74);
    ASSERT_TRUE(loadGame("3"));
    EXPECT_EQ(h.readFile("saves/sL.kv"), "4\n3\n2\n1\n");
    h.writeFile("saves/sL.kv", "stale\n");
    ASSERT_TRUE(loadGame("3"));
    EXPECT_EQ(h.readFile("saves/sL.kv"), "4\n3\n2\n1\n") << "rewritten even when already first";
}

TEST(SaveGame, BadNumberLinesAbandonTheLoadAndKeepTheEntry) {
    Harness h;
    h.boot();
    changeScreen(GameScreen::LoadList);
    session.SaveName = "untouched";
    EXPECT_FALSE(loadFromList(h, "8", lines53({"Bad", "50", "seed?"})));
    EXPECT_FALSE(app.loadingScreenOn) << "the loading screen never waits for units that will not come";
    EXPECT_TRUE(showing(GameScreen::LoadList));
    EXPECT_FALSE(showing(GameScreen::Game));
    EXPECT_EQ(session.SaveName, "untouched") << "nothing of a refused file reaches the game";
    EXPECT_EQ(saveList.entries.size(), 2u);
    EXPECT_FALSE(loadFromList(h, "8", lines53({"Huge", "99999999999"})));
    std::vector<std::string> wet(53, "0");
    wet[52] = "wet";  // the rain clock line
    EXPECT_FALSE(loadFromList(h, "8", lines53(wet)));
}

TEST(SaveGame, OnlyDecimalIdsNameFiles) {
    Harness h;
    h.boot();
    h.writeFile("secret.kv", lines53({"Outside"}));
    saveList.entries = {"3", "../secret", "1"};
    raiseLoadingScreen(74);
    EXPECT_FALSE(loadGame("../secret"));
    EXPECT_NE(session.SaveName, "Outside");
    EXPECT_FALSE(loadGame("1x"));
    EXPECT_FALSE(loadGame(""));
}

TEST(SaveGame, TheBlackMomentSavesTheWispAtZeroAndItsLoadStandsAtTheLeftEdgeInControl) {
    Harness h;
    h.boot();
    session.SaveName = "Dusk";
    h.standInGame(0);
    session.player.playerX = 973;
    h.holdKey(sf::Keyboard::D);
    for (int i = 0; i < 60 && session.world.AreaCounter < 2; i++) h.step();
    h.releaseKey(sf::Keyboard::D);
    std::string saved = h.readFile("saves/1.kv");
    std::vector<std::string> lines = splitLines(saved);
    ASSERT_EQ(lines.size(), 53u);
    ASSERT_EQ(lines[39], "2") << "the area change was saved";
    EXPECT_EQ(lines[4], "0") << "the wisp is at 0 at the black moment";
    session = GameSession{};
    ASSERT_TRUE(loadFromList(h, "1", saved));
    EXPECT_EQ(session.player.playerX, 50);
    EXPECT_TRUE(session.player.controlEnabled);
    EXPECT_FALSE(session.player.inTransition) << "no fade-in after the load";
}

TEST(SaveGame, ALeftoverTemporaryFileIsReplacedNeverWrittenThrough) {
    Harness h;
    h.boot();
    h.writeFile("outside.txt", "not the game's\n");
    std::filesystem::create_symlink(h.path("outside.txt"), h.path("saves/1.kv.tmp"));
    std::filesystem::create_hard_link(h.path("outside.txt"), h.path("saves/2.kv.tmp"));
    std::filesystem::remove(h.path("saves/mT.kv"));
    std::filesystem::create_symlink(h.path("outside.txt"), h.path("saves/mT.kv"));
    session.SaveName = "Planted";
    for (int number : {1, 2}) {
        session.SaveNumber = number;
        saveGame();
        std::string file = "saves/" + std::to_string(number) + ".kv";
        EXPECT_FALSE(std::filesystem::is_symlink(h.path(file))) << file;
        std::vector<std::string> lines = splitLines(h.readFile(file));
        ASSERT_EQ(lines.size(), 53u) << file;
        EXPECT_EQ(lines[0], "Planted") << file;
        EXPECT_FALSE(h.fileExists(file + ".tmp")) << file;
    }
    appendSavesLine("mT.kv", "id=1&game=thornvale&newgame=true", 0);
    EXPECT_EQ(h.readFile("outside.txt"), "not the game's\n") << "nothing is written outside saves/";
}
