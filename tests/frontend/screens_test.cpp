// screens_test.cpp -- every menu screen drawn once, checked where it matters, saved for review
//
// The pictures land in build/review/<name>.png so the look of each screen can be checked
// by eye after a change.
#include "engine/app_state.h"
#include "engine/input.h"
#include "frontend/new_game.h"
#include "support/play.h"

#include <gtest/gtest.h>

namespace {
// How yellow the "p" of the play button is: red minus blue over its picture.
long yellowness(Harness& h) {
    sf::Image shot = h.screenshot();
    long sum = 0;
    for (int y = 445; y < 545; y++)
        for (int x = 362; x < 438; x++) sum += shot.getPixel(x, y).r - shot.getPixel(x, y).b;
    return sum;
}

}  // namespace

TEST(Screens, ChooserFillsTheChosenMethodGreyAndFramesTheHoveredOne) {
    Harness h;
    h.boot();
    h.menuPress(500, 200);  // Touch
    h.moveTo(500, 350);  // over Confirm
    h.step();
    h.saveScreenshot("screen_chooser_touch_chosen");
    EXPECT_EQ(h.pixel(420, 212), sf::Color(100, 100, 100));
    EXPECT_EQ(h.pixel(500, 329), sf::Color(227, 220, 0)) << "Confirm's top bar is yellow under the pointer";
    EXPECT_EQ(h.pixel(500, 179), sf::Color(0, 0, 0)) << "Touch keeps its black frame";
    EXPECT_NE(h.pixel(715, 454), sf::Color(0, 0, 0)) << "the lock area is hidden once a method is picked";
}

TEST(Screens, TitleLettersRippleUnderTheMouse) {
    Harness h(returningPlayer());
    h.boot();
    h.moveTo(900, 300);
    h.step();
    long resting = yellowness(h);
    h.saveScreenshot("screen_title");
    h.moveTo(500, 520);  // into the play button
    h.step(2);           // the hover count reaches 2: "p" glows
    long glowing = yellowness(h);
    h.saveScreenshot("screen_title_ripple");
    EXPECT_GT(glowing, resting + 76 * 100 * 20) << "the glowing letter turns yellow";
    h.step(4);           // count 6: "p" rests again, "l" glows
    EXPECT_LT(yellowness(h), resting + 1000);
}

TEST(Screens, TouchTextScreensShowTheirKeysAndMoveTheFieldsUp) {
    Harness h(returningPlayer({}, {.inputChoice = 1}));
    h.boot();
    ASSERT_TRUE(touchMode);
    h.tap(500, 500);
    h.tap(500, 205);
    ASSERT_TRUE(showing(GameScreen::NameEntry));
    for (auto key : {std::pair{668, 450}, {450, 350}, {263, 400}, {363, 400}}) h.tap(key.first, key.second);
    EXPECT_EQ(newGameForm.name, "Tad") << "shift, t, a, d: shift makes one capital";
    h.saveScreenshot("screen_name_entry_touch");
    h.tap(743, 400);  // enter
    ASSERT_TRUE(showing(GameScreen::SeedChoice));
    h.saveScreenshot("screen_seed_choice");
    h.tap(500, 325);
    ASSERT_TRUE(showing(GameScreen::SeedEntry));
    for (auto key : {std::pair{450, 425}, {500, 475}, {551, 325}, {625, 325}}) h.tap(key.first, key.second);
    EXPECT_EQ(newGameForm.seedText, "10") << "1, 0, 9, backspace";
    h.saveScreenshot("screen_seed_entry_touch");
}

TEST(Screens, MouseTextScreensAndTheLoadingBar) {
    Harness h(returningPlayer());
    h.boot();
    openNameEntry(h);
    h.type("Willow Bend");
    h.step();
    h.saveScreenshot("screen_name_entry");
    h.typeCode(13);
    h.click(500, 275);   // Random Seed: the loading bar for 63 units
    h.step();
    h.saveScreenshot("screen_loading");
    EXPECT_EQ(h.pixel(310, 300), sf::Color(102, 174, 48));
    EXPECT_EQ(h.pixel(100, 100), sf::Color::Black);
}
