// game_end_test.cpp -- a finished mission plays to the end and returns to the title
#include "engine/app_state.h"
#include "engine/input.h"
#include "engine/sound.h"
#include "frontend/high_scores.h"
#include "game/game_end.h"
#include "inventory/inventory_play.h"
#include "support/harness.h"
#include "world/game_session.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

namespace {
void finishAMission(Harness& h, int seconds, int wispX) {
    h.boot();
    h.startGame(11);
    PlayerState& p = session.player;
    p.arrivalBeam = p.inTransition = p.controlEnabled = false;
    p.playerY = 400;
    p.playerX = wispX;
    p.PlayTimer = seconds;
    for (int k = 1; k <= 21; k++) session.ResearchLevel[k] = 100;
    session.OverallProgress = 100;
    session.MissionComplete = true;
    gameEnd.endStage = 1;
}

// Runs steps until the stage is reached; returns how many it took (-1: never).
int stepUntilStage(Harness& h, int stage, int limit) {
    for (int i = 0; i < limit; i++) {
        if (gameEnd.endStage >= stage) return i;
        h.step();
    }
    return -1;
}
}  // namespace

TEST(GameEnd, AFirstFinishIsANewHighScoreAndTheSequenceEndsOnTheTitle) {
    Harness h(returningPlayer());
    finishAMission(h, 303, 402);
    h.step();
    EXPECT_EQ(h.readFile("saves/hS.kv"), "0\n0\n303\n");
    EXPECT_TRUE(highScores.newHighScore);
    // The wisp glides 7 px a step and stops exactly at 500.
    EXPECT_EQ(stepUntilStage(h, 3, 30), 14);
    EXPECT_EQ(session.player.playerX, 500);
    EXPECT_TRUE(soundPlaying("win"));
    ASSERT_GT(stepUntilStage(h, 25, 1000), 21 * 17) << "21 items leave about 0.6 s apart";
    h.step(30);
    h.saveScreenshot("game_end_elder");
    EXPECT_EQ(gameEnd.endStage, 25) << "the elder speaks for 3 s";
    ASSERT_GT(stepUntilStage(h, 27, 400), 0);
    EXPECT_LT(session.player.playerY, -100) << "the wisp was carried up out of view";
    h.step(300);
    h.saveScreenshot("game_end_credits");
    ASSERT_GT(stepUntilStage(h, 28, 800), 0);
    h.step(200);  // the score has slid into place
    h.saveScreenshot("game_end_mission_complete");
    EXPECT_EQ(h.pixel(500, 200), sf::Color::Black);
    EXPECT_NE(h.pixel(960, 35), sf::Color(200, 200, 200)) << "the HUD buttons are gone";
    h.step(40);
    EXPECT_TRUE(showing(GameScreen::Title));
    EXPECT_FALSE(showing(GameScreen::Game));
    EXPECT_FALSE(session.MissionComplete);
    EXPECT_EQ(gameEnd.endStage, 0);
}

TEST(GameEnd, ASlowFinishLeavesAFullTableAlone) {
    Harness h({.saves = {settingsFile(), {"sL.kv", "1\n"}, {"hS.kv", "300\n400\n500\n"}}});
    finishAMission(h, 501, 600);
    h.step();
    EXPECT_FALSE(highScores.newHighScore);
    EXPECT_EQ(h.readFile("saves/hS.kv"), "300\n400\n500\n");
    EXPECT_EQ(stepUntilStage(h, 3, 30), 15) << "from 600 to 500 at 7 px a step";
    EXPECT_EQ(session.player.playerX, 500);
}

TEST(GameEnd, WithMusicOffTheVictoryPieceNeverStarts) {
    Harness h(returningPlayer({}, {.musicOn = 0}));
    finishAMission(h, 60, 500);
    h.step(3);
    EXPECT_GE(gameEnd.endStage, 3);
    EXPECT_FALSE(soundPlaying("win"));
}

// The bag stays usable over an area transition; the last research dropped there
// hands the wisp to the ending, which keeps it to the end.
TEST(GameEnd, TheLastResearchDuringAWalkOutKeepsTheWispForTheEnding) {
    Harness h(returningPlayer());
    startStandingGame(h);
    for (int k = 1; k <= 21; k++) session.ResearchLevel[k] = 100;
    session.ResearchLevel[CookedBass] = 60;  // one more drop finishes it
    session.Inventory[3] = CookedBass;
    session.player.playerX = 966;
    h.holdKey(sf::Keyboard::D);
    h.step(3);
    h.releaseKey(sf::Keyboard::D);
    ASSERT_TRUE(session.player.inTransition);
    h.step(4);  // drifting out, the screen darkening
    int areas = session.world.AreaCounter;
    dragTarget(h, 3, 9);  // onto the beaker
    ASSERT_TRUE(session.MissionComplete);
    std::string saved = h.readFile(saveFile());

    h.holdKey(sf::Keyboard::D);
    for (int i = 0; i < 400 && gameEnd.endStage < 3; i++) {
        h.step();
        ASSERT_FALSE(session.player.controlEnabled) << "step " << i;
    }
    ASSERT_EQ(gameEnd.endStage, 3);
    EXPECT_EQ(session.player.playerX, 500) << "the wisp glided to the middle";
    EXPECT_FALSE(session.player.inTransition);
    EXPECT_EQ(session.world.AreaCounter, areas) << "no new area during the ending";
    h.typeCode(32);
    h.step();
    EXPECT_FALSE(interactionActive()) << "nothing opens during the ending";
    for (int i = 0; i < 2000 && gameEnd.endStage != 0; i++) {
        h.step();
        ASSERT_FALSE(session.player.controlEnabled) << "stage " << gameEnd.endStage;
        ASSERT_EQ(session.player.playerX, 500) << "stage " << gameEnd.endStage;
    }
    h.releaseKey(sf::Keyboard::D);
    EXPECT_TRUE(showing(GameScreen::Title));
    EXPECT_EQ(h.readFile(saveFile()), saved) << "nothing saved after the research";
}
