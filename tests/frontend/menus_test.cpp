// menus_test.cpp -- playing through the menu screens as a player would
#include "engine/app_state.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "engine/random.h"
#include "engine/settings.h"
#include "engine/sound.h"
#include "frontend/high_scores.h"
#include "frontend/load_screen.h"
#include "frontend/menu_state.h"
#include "frontend/new_game.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "support/play.h"
#include "world/game_session.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::string saveFile(const std::string& name, int progress, int seed) {
    std::string text = name + "\n" + std::to_string(progress) + "\n" + std::to_string(seed) + "\n";
    for (int i = 4; i <= 53; i++) text += "0\n";
    return text;
}

}  // namespace

TEST(Menus, ChooserLockStopsItAppearingAtLaterStarts) {
    Harness h;
    h.boot();
    ASSERT_TRUE(showing(GameScreen::InputChooser));
    h.saveScreenshot("input_chooser");
    h.menuPress(500, 350);  // Confirm with no method: refused
    EXPECT_TRUE(showing(GameScreen::InputChooser));
    h.menuPress(500, 200);  // Touch
    EXPECT_EQ(settings.AskInputAtStart, -1) << "picking a method hides the lock";
    h.menuPress(500, 350);
    EXPECT_TRUE(showing(GameScreen::Title));
    EXPECT_TRUE(touchMode);
    EXPECT_EQ(h.readFile("saves/sF.kv"), "1\n1\n100\n1\n100\n1\n");

    h.restart();
    ASSERT_TRUE(showing(GameScreen::InputChooser)) << "asked again, with Touch filled in";
    EXPECT_FALSE(touchMode);
    h.menuPress(715, 490);  // the lock area
    EXPECT_EQ(settings.AskInputAtStart, 0);
    h.menuPress(500, 350);
    EXPECT_EQ(h.readFile("saves/sF.kv"), settingsFile({.inputChoice = 1}).second);

    h.restart();
    EXPECT_TRUE(showing(GameScreen::Title));
    EXPECT_FALSE(showing(GameScreen::InputChooser));
    EXPECT_TRUE(touchMode);
}

TEST(Menus, PressesWithin200MsOfTheLastAreIgnored) {
    Harness h;
    h.boot();
    h.click(500, 200);   // Touch
    h.step(3);           // 136 ms later...
    h.click(500, 250);   // ...Mouse/Keyboard is ignored
    EXPECT_EQ(settings.InputChoice, 1);
    h.step(5);           // 238 ms after that one...
    h.click(500, 250);   // ...it acts
    EXPECT_EQ(settings.InputChoice, 0);
}

TEST(Menus, NewPlayerGoesThroughTheTutorialThenNamesAndSeedsAGame) {
    // The tutorial was left at its last words: step 59, bronze tools, nothing researched.
    std::string lastWords = "59\n300\n0\n13\n16\n19\n";
    for (int i = 0; i < 27; i++) lastWords += "0\n";
    Harness h({.saves = {settingsFile(), {"tS.kv", lastWords}}});
    h.boot();
    ASSERT_TRUE(showing(GameScreen::Title));
    h.saveScreenshot("title");
    h.menuPress(500, 500);  // Play: a new player's first play is the tutorial
    ASSERT_TRUE(showing(GameScreen::Tutorial));
    h.step(200);            // the elder's farewell is read...
    h.typeCode(13);
    h.step(210);            // ...and "Tutorial Complete" fades in and out
    EXPECT_FALSE(showing(GameScreen::Tutorial));
    EXPECT_EQ(h.readFile("saves/sL.kv"), "1\n");
    ASSERT_TRUE(showing(GameScreen::Title));
    h.menuPress(500, 500);
    ASSERT_TRUE(showing(GameScreen::MainMenu));
    h.saveScreenshot("main_menu");
    h.menuPress(500, 205);  // New Game
    ASSERT_TRUE(showing(GameScreen::NameEntry));
    h.type("Meadow 1");
    h.typeCode(13);
    ASSERT_TRUE(showing(GameScreen::SeedChoice));
    h.menuPress(500, 325);  // Custom Seed
    ASSERT_TRUE(showing(GameScreen::SeedEntry));
    h.type("42");
    h.typeCode(13);      // Enter: straight into the game, no loading screen
    EXPECT_TRUE(showing(GameScreen::Game));
    EXPECT_FALSE(app.loadingScreenOn);
    EXPECT_EQ(h.readFile("saves/sL.kv"), "2\n1\n");
    std::vector<std::string> lines = splitLines(h.readFile("saves/1.kv"));
    ASSERT_EQ(lines.size(), 53u);
    EXPECT_EQ(lines[0], "Meadow 1");
    EXPECT_EQ(lines[2], "42");
    EXPECT_EQ(lines[9], "13");
    EXPECT_EQ(lines[10], "16");
    EXPECT_EQ(lines[11], "19");
}

TEST(Menus, AGameLeftByClosingLoadsBackAsItWasSaved) {
    Harness h(returningPlayer());
    h.boot();
    openNameEntry(h);
    h.type("Keeper");
    h.typeCode(13);
    h.click(500, 275);   // Random Seed: behind the loading screen
    EXPECT_TRUE(app.loadingScreenOn);
    EXPECT_EQ(app.loadTotal, 63);
    h.step(10);
    EXPECT_FALSE(app.loadingScreenOn);
    ASSERT_TRUE(showing(GameScreen::Game));
    EXPECT_LT(session.world.WorldSeed, 1000000000u);
    session.Inventory[5] = 2;
    session.world.AreaContents[1] = 0;
    session.player.playerX = 640;
    h.step(3);
    saveGame();
    std::string saved = h.readFile("saves/1.kv");
    GameSession before = session;

    h.restart();         // the window was closed; nothing more was saved
    ASSERT_TRUE(showing(GameScreen::Title));
    h.menuPress(500, 500);
    h.menuPress(500, 275);  // Load Game
    ASSERT_TRUE(showing(GameScreen::LoadList));
    h.saveScreenshot("load_list");
    h.menuPress(510, 180);  // the first row
    EXPECT_TRUE(showing(GameScreen::Game));
    EXPECT_FALSE(showing(GameScreen::LoadList));
    EXPECT_EQ(session.SaveName, "Keeper");
    EXPECT_EQ(session.world.WorldSeed, before.world.WorldSeed);
    EXPECT_EQ(session.world.RunningSeed, before.world.RunningSeed);
    for (int i = 0; i < 3; i++) EXPECT_EQ(session.world.AreaContents[i], before.world.AreaContents[i]);
    for (int i = 0; i < 9; i++) EXPECT_EQ(session.Inventory[i], before.Inventory[i]);
    EXPECT_EQ(session.player.playerX, 640);
    EXPECT_EQ(h.readFile("saves/1.kv"), saved);
    EXPECT_EQ(h.readFile("saves/sL.kv"), "2\n1\n");
}

TEST(Menus, SaveNameRules) {
    Harness h(returningPlayer());
    h.boot();
    openNameEntry(h);
    h.type(" ");
    EXPECT_EQ(newGameForm.name, "") << "a name cannot start with a space";
    h.menuPress(500, 370);  // Continue with no name: a click, and nothing else
    EXPECT_TRUE(soundPlaying("click"));
    EXPECT_TRUE(showing(GameScreen::NameEntry));
    h.typeCode(13);
    EXPECT_TRUE(showing(GameScreen::NameEntry));
    h.type("abcdefghijklmnopqrstuvwxy");  // 25 letters
    EXPECT_EQ(newGameForm.name, "abcdefghijklmnopqrst");
    h.type("9 ");
    EXPECT_EQ(newGameForm.name.size(), 20u);
    h.type("-!");
    EXPECT_EQ(newGameForm.name, "abcdefghijklmnopqrst");
    for (int i = 0; i < 20; i++) h.typeCode(8);
    EXPECT_FALSE(newGameForm.nameStarted) << "erasing the last character starts the name afresh";
    h.type("Q");
    h.menuPress(500, 370);
    EXPECT_TRUE(showing(GameScreen::SeedChoice));
}

namespace {
// From the title to the custom seed screen, for a save named "Seedy".
void reachSeedEntry(Harness& h) {
    openNameEntry(h);
    h.type("Seedy");
    h.typeCode(13);
    h.menuPress(500, 325);
    ASSERT_TRUE(showing(GameScreen::SeedEntry));
}
}  // namespace

TEST(Menus, SeedTextTakesNineDigitsAndAnEmptySeedIsRandom) {
    {
        Harness h(returningPlayer());
        h.boot();
        reachSeedEntry(h);
        h.type("12a34567890");
        EXPECT_EQ(newGameForm.seedText, "123456789");
        for (int i = 0; i < 12; i++) h.typeCode(8);
        EXPECT_EQ(newGameForm.seedText, "");
        h.type("999999999");
        h.menuPress(500, 370);  // Start: behind the loading screen
        EXPECT_EQ(session.world.WorldSeed, 999999999u);
    }
    // Enter on an emptied seed text starts a world on a fresh draw from 0 to 999,999,999.
    std::set<uint32_t> seeds;
    for (unsigned state : {1u, 2u, 3u}) {
        Harness h(returningPlayer());
        h.boot();
        reachSeedEntry(h);
        h.type("42");
        h.typeCode(8);
        h.typeCode(8);
        reseedSharedRandom(state);
        uint32_t drawn = static_cast<uint32_t>(randomBelow(1000000000));
        reseedSharedRandom(state);
        h.typeCode(13);
        ASSERT_TRUE(showing(GameScreen::Game));
        EXPECT_EQ(session.world.WorldSeed, drawn) << "random state " << state;
        std::vector<std::string> saved = splitLines(h.readFile("saves/" + std::to_string(session.SaveNumber) + ".kv"));
        ASSERT_GE(saved.size(), 3u);
        EXPECT_EQ(saved[2], std::to_string(drawn)) << "the save holds the world's seed";
        seeds.insert(session.world.WorldSeed);
    }
    EXPECT_EQ(seeds.size(), 3u) << "every empty seed is a new world";
}

TEST(Menus, SliderEndsAndMuting) {
    Harness h(returningPlayer());
    h.boot();
    h.menuPress(500, 500);
    h.menuPress(500, 415);  // Settings
    ASSERT_TRUE(showing(GameScreen::Settings));
    h.menuPress(350, 340);  // the SFX line's left end
    EXPECT_EQ(settings.sfxVolume, 0);
    EXPECT_EQ(settings.sfxOn, 1) << "a press on the line never mutes";
    h.menuPress(749, 340);
    EXPECT_EQ(settings.sfxVolume, 99) << "a single press reaches at most 99";
    h.menuPress(349, 290);  // just left of the music line, and away from its knob at 750
    EXPECT_EQ(settings.musicVolume, 100);

    // Drag the music knob from 750 to the far left and let go.
    h.moveTo(750, 290);
    h.pressLeft();
    h.step();
    EXPECT_EQ(menuState.heldSlider, HeldSlider::Music);
    for (auto [x, volume] : {std::pair{749, 99}, {750, 100}, {351, 0}, {352, 0}, {354, 1}, {349, 0}}) {
        h.moveTo(x, 290);
        h.step();
        EXPECT_EQ(settings.musicVolume, volume) << "pointer at " << x;
    }
    h.releaseLeft();
    h.step();
    EXPECT_EQ(menuState.heldSlider, HeldSlider::None);
    EXPECT_EQ(settings.musicOn, 0) << "let go at 0: music is off";
    h.saveScreenshot("settings");
    h.step(7);
    h.menuPress(800, 290);  // the mute button turns it on again, at the stored volume 0
    EXPECT_EQ(settings.musicOn, 1);
    EXPECT_EQ(settings.musicVolume, 0);
    h.menuPress(500, 440);  // Confirm
    EXPECT_TRUE(showing(GameScreen::MainMenu));
    EXPECT_EQ(h.readFile("saves/sF.kv"), "0\n1\n0\n1\n99\n0\n");
}

TEST(Menus, ResetHighScoresNeedsTwoPressesAndStaysArmedAcrossScreens) {
    Harness h(returningPlayer({{"hS.kv", "100\n200\n300\n"}}));
    h.boot();
    h.menuPress(500, 500);
    h.menuPress(759, 522);
    EXPECT_TRUE(menuState.resetArmed);
    EXPECT_EQ(h.readFile("saves/hS.kv"), "100\n200\n300\n");
    h.menuPress(500, 415);  // Settings and back
    h.menuPress(500, 440);
    ASSERT_TRUE(showing(GameScreen::MainMenu));
    EXPECT_TRUE(menuState.resetArmed);
    h.menuPress(759, 522);
    EXPECT_FALSE(menuState.resetArmed);
    EXPECT_TRUE(soundPlaying("delete"));
    EXPECT_EQ(h.readFile("saves/hS.kv"), "0\n0\n0\n");
    h.menuPress(230, 100);  // back to the title, and in again: disarmed
    h.menuPress(759, 522);
    h.menuPress(500, 500);
    EXPECT_FALSE(menuState.resetArmed);
}

TEST(Menus, FifteenSavesScrollElevenAtATime) {
    std::vector<std::pair<std::string, std::string>> files;
    std::string list = "16\n";
    for (int i = 15; i >= 1; i--) {
        list += std::to_string(i) + "\n";
        files.push_back({std::to_string(i) + ".kv", saveFile("Game " + std::to_string(i), i, i)});
    }
    files.push_back({"sL.kv", list});
    HarnessOptions options = returningPlayer(files);
    options.saves.erase(options.saves.begin() + 1);  // the list above replaces the short one
    Harness h(options);
    h.boot();
    h.menuPress(500, 500);
    h.menuPress(500, 275);
    ASSERT_EQ(loadRows.rows.size(), 15u);
    for (int i = 0; i < 6; i++) h.menuPress(800, 500);
    EXPECT_EQ(loadRows.scroll, 4) << "rows 4 to 14 show; the arrow stops there";
    h.menuPress(510, 180 + 30 * 11);  // where a twelfth row would be
    EXPECT_TRUE(showing(GameScreen::LoadList));
    h.menuPress(800, 150);
    EXPECT_EQ(loadRows.scroll, 3);
    h.menuPress(510, 180);  // the first visible row is the fourth game in the list
    EXPECT_TRUE(showing(GameScreen::Game));
    EXPECT_EQ(session.SaveName, "Game 12");
}

TEST(Menus, TouchRowsNeedATapToSelectAndAnotherToAct) {
    Harness h({.saves = {settingsFile({.inputChoice = 1}),
                         {"sL.kv", "3\n2\n1\n"},
                         {"1.kv", saveFile("One", 10, 1)},
                         {"2.kv", saveFile("Two", 20, 2)}}});
    h.boot();
    ASSERT_TRUE(touchMode);
    h.tap(500, 500);
    h.tap(500, 275);
    ASSERT_TRUE(showing(GameScreen::LoadList));
    h.tap(290, 180);  // the delete button of the first row: selects it
    EXPECT_EQ(loadRows.selectedRow, 0);
    EXPECT_TRUE(h.fileExists("saves/2.kv"));
    h.tap(291, 181);  // a second tap deletes
    EXPECT_FALSE(h.fileExists("saves/2.kv"));
    EXPECT_EQ(h.readFile("saves/sL.kv"), "3\n1\n");
    h.tap(510, 180);  // the remaining row: selected, not loaded
    EXPECT_FALSE(showing(GameScreen::Game));
    EXPECT_EQ(loadRows.selectedRow, 0);
    h.tap(512, 181);
    EXPECT_TRUE(showing(GameScreen::Game));
    EXPECT_EQ(session.SaveName, "One");
}

TEST(Menus, QuitOnTheTitleClosesTheWindowFromItsEdgesToItsCentre) {
    // The Quit button stands at (75, 577), 120 x 26: x 15 to 134, y 564 to 589.
    const std::pair<int, int> inside[] = {{15, 564}, {134, 589}, {75, 577}};
    const std::pair<int, int> outside[] = {{14, 577}, {135, 577}, {75, 563}, {75, 590}};
    // Mouse for a returning player; touch for a new player, whose title also has Settings.
    for (bool touch : {false, true}) {
        Harness h(touch ? HarnessOptions{.saves = {settingsFile({.inputChoice = 1})}} : returningPlayer());
        h.boot();
        ASSERT_TRUE(showing(GameScreen::Title));
        ASSERT_EQ(touchMode, touch);
        auto press = [&](std::pair<int, int> at) {
            if (touch) h.tap(at.first, at.second);
            else h.menuPress(at.first, at.second);
        };
        for (auto at : outside) {
            press(at);
            EXPECT_FALSE(app.quitRequested) << "touch " << touch << ", " << at.first << "," << at.second;
        }
        EXPECT_FALSE(scriptedInput().windowClosed);
        EXPECT_TRUE(showing(GameScreen::Title));
        for (auto at : inside) {
            app.quitRequested = false;
            scriptedInput().windowClosed = false;
            press(at);
            EXPECT_TRUE(app.quitRequested) << "touch " << touch << ", " << at.first << "," << at.second;
            EXPECT_TRUE(scriptedInput().windowClosed);
        }
    }
}
