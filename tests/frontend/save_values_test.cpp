// save_values_test.cpp -- every loaded value within its range, and what the game writes it
// reads back to the same game
#include "engine/app_state.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "support/play.h"
#include "tutorial/tutorial_play.h"
#include "world/game_session.h"

#include <gtest/gtest.h>

namespace {

// A whole 53-line save whose line `line` (1-based) holds text; every other line "0".
std::string saveWithLine(int line, const std::string& text) {
    std::string file;
    for (int i = 1; i <= 53; i++) file += (i == line ? text : i == 1 ? std::string("Edited") : "0") + "\n";
    return file;
}

// Saves and loads what was written, then saves and loads again: the second load must
// give the game the first one gave.
void expectRoundTrip(Harness& h, int number) {
    std::string id = std::to_string(number);
    session.SaveNumber = number;
    saveGame();
    std::string first = h.readFile("saves/" + id + ".kv");
    session = GameSession{};
    ASSERT_TRUE(loadFromList(h, id, first)) << first;
    std::vector<std::string> loaded = loadedGame();
    saveGame();
    std::string second = h.readFile("saves/" + id + ".kv");
    session = GameSession{};
    ASSERT_TRUE(loadFromList(h, id, second)) << second;
    EXPECT_EQ(loadedGame(), loaded) << first;
}

}  // namespace

TEST(SaveValues, ANegativeSeedIsRefusedAndTheFileKeptAsItWas) {
    Harness h;
    h.boot();
    std::string file = saveWithLine(3, "-5");
    EXPECT_FALSE(loadFromList(h, "4", file));
    EXPECT_FALSE(showing(GameScreen::Game));
    EXPECT_EQ(h.readFile("saves/4.kv"), file) << "a refused game is never written back changed";
    EXPECT_EQ(saveList.entries.size(), 2u) << "its entry stays";
}

TEST(SaveValues, EveryValueAtTheEdgesOfItsRangeRoundTrips) {
    Harness h;
    h.boot();
    session.SaveName = "Edges";
    session.world.WorldSeed = 999999999;
    session.world.RunningSeed = 0x80000000u;
    session.player.playerX = 979;
    session.player.PlayTimer = 999999999;
    session.world.AreaContents[0] = 11;
    for (int& item : session.Inventory) item = 21;
    for (int k = 1; k <= 21; k++) session.ResearchLevel[k] = 100;
    session.world.AreaCounter = 999999999;
    for (int k = 1; k <= 11; k++) session.world.KindCounts[k] = 999999999;
    session.clocks.dayClock = 898.99;
    session.clocks.rainClock = 40;
    expectRoundTrip(h, 3);
    session.clocks.rainClock = -999999999.5;
    expectRoundTrip(h, 4);
    session.player.playerX = 44;  // one step past the left limit, as walking left can leave it
    expectRoundTrip(h, 5);
    EXPECT_EQ(session.player.playerX, 50);
    session.player.playerX = 0;   // the black moment of an area change
    expectRoundTrip(h, 6);
    EXPECT_EQ(session.player.playerX, 50);
}

TEST(SaveValues, ADayThatHasJustEndedIsSavedAsTheNewDay) {
    Harness h;
    h.boot();
    session.SaveName = "Midnight";
    session.clocks.dayClock = 899.05;  // the clock ticked past the end; the next step wraps it
    session.SaveNumber = 2;
    saveGame();
    EXPECT_EQ(splitLines(h.readFile("saves/2.kv"))[51], "0");
    expectRoundTrip(h, 2);
}

TEST(SaveValues, ADayClockSavedAtOrPastTheDaysEndLoadsAsTheNewDay) {
    Harness h;
    h.boot();
    for (const char* day : {"899", "900", "4321"}) {  // older games wrote the clock as it stood
        ASSERT_TRUE(loadFromList(h, "3", saveWithLine(52, day))) << day;
        EXPECT_EQ(session.clocks.dayClock, 0.0) << day;
    }
    ASSERT_TRUE(loadFromList(h, "3", saveWithLine(52, "898")));
    EXPECT_EQ(session.clocks.dayClock, 898.0) << "the last second of the day is kept";
}

TEST(SaveValues, ValuesOutOfRangeAbandonTheLoadLikeABadLine) {
    const std::vector<std::pair<int, std::string>> bad = {
        {2, "101"},         {2, "-1"},          {3, "1000000000"},  {5, "2147483647"},
        {6, "2147483647"},  {6, "-1"},          {7, "12"},          {9, "-1"},
        {10, "22"},         {18, "-3"},         {19, "2000000000"}, {39, "101"},
        {40, "-2147483648"}, {41, "-2147483648"}, {51, "2147483647"}, {52, "-1"},         {53, "nan"},        {53, "inf"},        {53, "-inf"},
        {53, "1e308"},      {53, "-1e308"},     {53, "41"},         {53, "-1e12"},
    };
    Harness h;
    h.boot();
    changeScreen(GameScreen::LoadList);
    for (const auto& [line, text] : bad) {
        std::string file = saveWithLine(line, text);
        session.SaveName = "untouched";
        EXPECT_FALSE(loadFromList(h, "6", file)) << "line " << line << " = " << text;
        EXPECT_FALSE(app.loadingScreenOn) << "line " << line;
        EXPECT_FALSE(showing(GameScreen::Game)) << "line " << line;
        EXPECT_EQ(session.SaveName, "untouched") << "line " << line;
        EXPECT_EQ(h.readFile("saves/6.kv"), file) << "line " << line;
    }
    EXPECT_TRUE(loadFromList(h, "6", saveWithLine(53, "-37.9"))) << "a shower long past is fine";
}

TEST(SaveValues, ANameEndingInACarriageReturnKeepsIt) {
    Harness h;
    h.boot();
    session.SaveName = "Bob\r";
    expectRoundTrip(h, 5);
    EXPECT_EQ(session.SaveName, "Bob\r");
    std::string crlf;
    for (const std::string& line : splitLines(saveWithLine(1, "Ann"))) crlf += line + "\r\n";
    ASSERT_TRUE(loadFromList(h, "7", crlf)) << "a file with CR LF line ends still loads";
    EXPECT_EQ(session.SaveName, "Ann");
}

TEST(SaveValues, ATutorialFileWithAValueOutOfRangeStartsTheTutorialFresh) {
    for (const std::string& file : {tutorialFile(10, 2147483647), tutorialFile(10, 300, {13, 16, 19}, 2147483647),
                                    tutorialFile(10, 300, {13, 16, 99}), tutorialFile(10, 300, {13, -2})}) {
        Harness h(newPlayer(file));
        pressPlay(h);
        EXPECT_EQ(tutorialStepNow(), 0) << file;
        EXPECT_EQ(session.player.PlayTimer, 0);
    }
    Harness h(newPlayer(tutorialFile(10, 300, {13, 16, 19}, 125)));
    pressPlay(h);
    EXPECT_EQ(tutorialStepNow(), 10) << "values in range resume";
}
