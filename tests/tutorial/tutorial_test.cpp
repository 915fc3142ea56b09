// tutorial_test.cpp -- starting, resuming, the elder's pacing, walking lessons, leaving and the end
#include "tutorial_play.h"

#include "engine/clock.h"
#include "engine/sound.h"
#include "inventory/hud.h"

namespace {

// Dark pixels of the "continue" prompt's corner of the bubble.
int darkPixelsNearPrompt(Harness& h) {
    sf::Image picture = h.screenshot();
    int n = 0;
    for (int x = 700; x < 870; x++)
        for (int y = 566; y < 584; y++) {
            sf::Color c = picture.getPixel(x, y);
            n += c.r + c.g + c.b < 150;
        }
    return n;
}

}  // namespace

TEST(Tutorial, AFirstPlayStartsFreshWithBronzeToolsAndSavesAtOnce) {
    Harness h(newPlayer());
    pressPlay(h);
    EXPECT_EQ(tutorialStepNow(), 0);
    EXPECT_TRUE(session.player.arrivalBeam);
    std::vector<std::string> lines = tutorialFileLines(h);
    ASSERT_EQ(lines.size(), 33u);
    lines.resize(7);  // step, wisp x, seconds, and the first four slots
    EXPECT_EQ(lines, (std::vector<std::string>{"0", "100", "0", "13", "16", "19", "0"}));
    // The beam comes down, the elder fades in, and the first words wait for Enter.
    stepUntil(h, 2, 500);
    EXPECT_FALSE(session.player.controlEnabled) << "the wisp waits for the walking lesson";
    EXPECT_EQ(tutorialFileLines(h)[0], "2");
}

TEST(Tutorial, EnterWorksOnlyAfterTheReadingTimeAndThePromptShowsExactlyThen) {
    Harness h(newPlayer(tutorialFile(2, 100)));
    pressPlay(h);
    h.step();
    ASSERT_EQ(tutorialStepNow(), 2);
    int32_t began = tutorial.stepStartTime;
    int noPrompt = darkPixelsNearPrompt(h);
    // "Good, you made it!" is 18 characters: 288 ms to read, then 500 ms more.
    while (h.now() - began + 34 < 288 + 500) {
        h.typeCode(13);
        h.step();
        ASSERT_EQ(tutorialStepNow(), 2) << "Enter " << h.now() - began << " ms in";
        EXPECT_LT(darkPixelsNearPrompt(h), noPrompt + 40) << "prompt shown too early";
    }
    h.step();
    ASSERT_GE(h.now() - began, 788);
    EXPECT_GT(darkPixelsNearPrompt(h), noPrompt + 40) << "the prompt shows once Enter works";
    h.typeCode(13);
    h.step();
    EXPECT_EQ(tutorialStepNow(), 3);
    EXPECT_EQ(tutorialFileLines(h)[0], "3");
    h.step(3);
    h.saveScreenshot("tutorial_speech");
}

TEST(Tutorial, WalkingLessonsNeedDToThreeHundredThenABelowTwoHundred) {
    Harness h(newPlayer(tutorialFile(4, 100)));
    pressPlay(h);
    h.holdKey(sf::Keyboard::A);
    h.step(10);
    h.releaseKey(sf::Keyboard::A);
    EXPECT_EQ(tutorialStepNow(), 4) << "walking left teaches nothing yet";
    h.holdKey(sf::Keyboard::D);
    for (int i = 0; i < 80 && tutorialStepNow() == 4; i++) h.step();
    ASSERT_EQ(tutorialStepNow(), 5);
    EXPECT_GE(session.player.playerX, 301);
    EXPECT_LT(session.player.playerX, 301 + 8);
    h.releaseKey(sf::Keyboard::D);
    h.holdKey(sf::Keyboard::A);
    for (int i = 0; i < 80 && tutorialStepNow() == 5; i++) h.step();
    ASSERT_EQ(tutorialStepNow(), 6);
    EXPECT_LT(session.player.playerX, 200);
    int x = session.player.playerX;
    h.step(5);
    EXPECT_EQ(session.player.playerX, x) << "control ends with the lesson";
    h.releaseKey(sf::Keyboard::A);
    h.saveScreenshot("tutorial_arrow");
}

TEST(Tutorial, ATouchPlayerWalksToATapAndSkipsTheLeftLesson) {
    Harness h(newPlayer(tutorialFile(4, 100)));
    pressPlay(h);
    touchMode = true;
    h.step();
    h.tap(400, 300);
    bool sawStep5 = false;
    for (int i = 0; i < 100 && tutorialStepNow() == 4; i++) {
        h.step();
        sawStep5 = sawStep5 || tutorialStepNow() == 5;
    }
    EXPECT_FALSE(sawStep5);
    EXPECT_EQ(tutorialStepNow(), 6);
    EXPECT_NEAR(session.player.playerX, 400, 7);
}

TEST(Tutorial, TheWalkOutLessonMovesToTheTreesAndSavesTheNewStep) {
    Harness h(newPlayer(tutorialFile(15, 900)));
    pressPlay(h);
    h.holdKey(sf::Keyboard::D);
    for (int i = 0; i < 200 && !session.player.controlEnabled; i++) h.step();
    for (int i = 0; i < 200 && tutorialStepNow() == 15; i++) h.step();
    h.releaseKey(sf::Keyboard::D);
    ASSERT_EQ(tutorialStepNow(), 16);
    for (int i = 0; i < 200 && session.player.inTransition; i++) h.step();
    EXPECT_GE(session.player.playerX, 100) << "drifted back in";
    EXPECT_LT(session.player.playerX, 107);
    EXPECT_EQ(tutorialFileLines(h)[0], "16");
    EXPECT_EQ(session.world.AreaContents[0], 1) << "the birch stands on the left";
    EXPECT_FALSE(h.fileExists("saves/0.kv")) << "the tutorial never writes a game";
}

// Enter during the drift into the trees' area must not cut the walk short: the
// lesson's words wait for their own reading time once the wisp has arrived.
TEST(Tutorial, EnterDuringTheWalkInWaitsForTheWispAndItsOwnReadingTime) {
    Harness h(newPlayer(tutorialFile(15, 900)));
    pressPlay(h);
    h.step(100);  // the player reads the walk-out words first
    h.holdKey(sf::Keyboard::D);
    for (int i = 0; i < 200 && tutorialStepNow() == 15; i++) h.step();
    h.releaseKey(sf::Keyboard::D);
    ASSERT_EQ(tutorialStepNow(), 16);
    ASSERT_TRUE(session.player.inTransition);
    for (int i = 0; i < 200 && session.player.inTransition; i++) {
        EXPECT_FALSE(promptReady()) << "x " << session.player.playerX;
        h.typeCode(13);
        h.step();
        ASSERT_EQ(tutorialStepNow(), 16) << "x " << session.player.playerX;
    }
    ASSERT_FALSE(session.player.inTransition) << "the wisp drifted all the way in";
    EXPECT_GE(session.player.playerX, 100);
    EXPECT_NE(h.pixel(500, 300), sf::Color::Black) << "the trees' area is in view";
    // The words of step 16 are 76 characters: 1216 ms to read, then 500 ms more.
    int32_t arrived = h.now();
    while (h.now() - arrived + 34 < 1216 + 500) {
        h.typeCode(13);
        h.step();
        ASSERT_EQ(tutorialStepNow(), 16) << h.now() - arrived << " ms after arriving";
    }
    continueWhenReady(h);
    EXPECT_EQ(tutorialStepNow(), 17);
}

// Two Enters read in one pass, or Enter and a tap on the elder, move on one step.
TEST(Tutorial, OneEnterOrTapMovesOnByOneStepAtMost) {
    Harness h(newPlayer(tutorialFile(9, 100)));
    pressPlay(h);
    for (int i = 0; i < 300 && !promptReady(); i++) h.step();
    ASSERT_TRUE(promptReady());
    h.typeCode(13);
    h.typeCode(13);
    h.step();
    EXPECT_EQ(tutorialStepNow(), 10) << "the second Enter came before step 10 was shown";
    h.step(3);
    EXPECT_EQ(tutorialStepNow(), 10);

    touchMode = true;
    for (int i = 0; i < 300 && !promptReady(); i++) h.step();
    ASSERT_TRUE(promptReady());
    h.typeCode(13);      // Enter...
    h.moveTo(940, 542);  // ...and a tap on the elder before the next step
    h.step();
    EXPECT_EQ(tutorialStepNow(), 11);
    EXPECT_EQ(tutorialFileLines(h)[0], "11");
}

TEST(Tutorial, ASaveDuringSmithingResumesAtTheAnvilLessonWithTheArrow) {
    Harness h(newPlayer(tutorialFile(47, 500, {13, 16, 19, 1, 10}, 42)));
    pressPlay(h);
    h.step();
    EXPECT_EQ(session.player.PlayTimer, 42) << "the tutorial's own seconds go on from the file";
    EXPECT_EQ(tutorialStepNow(), 45);
    EXPECT_FALSE(interactionActive());
    EXPECT_TRUE(session.player.controlEnabled);
    EXPECT_EQ(session.world.AreaContents[1], 11) << "the anvil in the middle";
    EXPECT_EQ(countInBag(4), 1) << "a Bronze Ore to smith with";
    double before = tutorial.arrowOffset;
    h.step(5);
    EXPECT_GT(tutorial.arrowOffset, before) << "the arrow bobs towards the anvil";
    h.typeCode(32);
    h.step();
    EXPECT_EQ(tutorialStepNow(), 46);
}

TEST(Tutorial, AReplayNeverWritesItsFileAndOffersToQuitTheTutorial) {
    Harness h(returningPlayer());
    h.boot();
    ASSERT_FALSE(saveList.NewPlayer);
    changeScreen(GameScreen::MainMenu);
    startTutorial();
    stepUntil(h, 2, 500);
    continueWhenReady(h);
    continueWhenReady(h);
    ASSERT_EQ(tutorialStepNow(), 4);
    h.holdKey(sf::Keyboard::D);
    stepUntil(h, 5, 100);
    h.releaseKey(sf::Keyboard::D);
    h.holdKey(sf::Keyboard::A);
    stepUntil(h, 6, 100);
    h.releaseKey(sf::Keyboard::A);
    continueWhenReady(h);
    ASSERT_EQ(tutorialStepNow(), 7);
    EXPECT_NE(elderSpeech(Step::ExitButton, false, saveList.NewPlayer)[0].find("quit the tutorial"), std::string::npos);
    EXPECT_FALSE(h.fileExists("saves/tS.kv"));
    h.click(960, 35);
    EXPECT_FALSE(showing(GameScreen::Tutorial));
    EXPECT_TRUE(showing(GameScreen::Title)) << "the exit button leads to the title, not the menu";
    EXPECT_FALSE(h.fileExists("saves/tS.kv"));
}

TEST(Tutorial, TheExitButtonAppearsAtSevenAndANewPlayerResumesThere) {
    Harness h(newPlayer(tutorialFile(6, 150)));
    pressPlay(h);
    h.step();
    h.click(960, 35);
    EXPECT_TRUE(showing(GameScreen::Tutorial)) << "no exit button before step 7";
    continueWhenReady(h);
    ASSERT_EQ(tutorialStepNow(), 7);
    h.click(960, 35);
    EXPECT_FALSE(showing(GameScreen::Tutorial));
    EXPECT_TRUE(showing(GameScreen::Title));
    EXPECT_EQ(tutorialFileLines(h)[0], "7");
    h.restart();
    h.menuPress(500, 500);
    for (int i = 0; i < 20 && app.loadingScreenOn; i++) h.step();
    EXPECT_TRUE(showing(GameScreen::Tutorial));
    EXPECT_EQ(tutorialStepNow(), 7);
}

TEST(Tutorial, TheEndingMarksTheFirstGameAndReturnsToTheTitle) {
    Harness h(newPlayer(tutorialFile(59, 300)));
    pressPlay(h);
    continueWhenReady(h);
    ASSERT_EQ(tutorialStepNow(), 60);
    h.step(150);
    EXPECT_TRUE(showing(GameScreen::Tutorial)) << "Tutorial Complete stays on black for a while";
    h.step(60);
    EXPECT_FALSE(showing(GameScreen::Tutorial));
    EXPECT_TRUE(showing(GameScreen::Title));
    EXPECT_EQ(splitLines(h.readFile("saves/sL.kv"))[0], "1");
    EXPECT_FALSE(h.fileExists("saves/tS.kv"));
}

// A player who walked to the right edge before the last words and quit during the
// ending resumes walking out: the ending still runs to its end.
TEST(Tutorial, AnEndingResumedPastTheRightEdgeStillFinishes) {
    Harness h(newPlayer(tutorialFile(60, 986)));
    pressPlay(h);
    h.step(210);
    EXPECT_EQ(tutorialStepNow(), 60);
    EXPECT_TRUE(showing(GameScreen::Title));
    EXPECT_FALSE(h.fileExists("saves/tS.kv"));
}

TEST(Tutorial, AShortOrDamagedFileStartsFresh) {
    for (const std::string& file : {std::string("16\n100\n"), tutorialFile(16, 100).replace(0, 2, "xx")}) {
        Harness h(newPlayer(file));
        pressPlay(h);
        EXPECT_EQ(tutorialStepNow(), 0);
        EXPECT_EQ(tutorialFileLines(h).size(), 33u) << "started fresh and saved";
    }
}
