// window_sizes_test.cpp -- the game played in a wide window, a tall window and full screen
// at 1920 x 1080: presses land on the game coordinate they show, a press on a bar does
// nothing, the bag's drags work, and the picture is whole, undistorted and between black bars
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/sound.h"
#include "frontend/menu_state.h"
#include "inventory/inventory.h"
#include "support/play.h"
#include "world/game_session.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// Pixels worked out by hand: picture left + view x times the scale, picture top + view y
// times the scale.
struct WindowCase {
    const char* name;
    unsigned width, height;
    sf::IntRect picture;                 // where the 1000 x 600 picture lies
    sf::Vector2i play, reset, back;      // centres of three menu buttons, in window pixels
    sf::Vector2i bar;                    // a pixel on a bar
    sf::Vector2i bagButton, slot0, slot4;
};

const WindowCase cases[] = {
    // 300 px bars left and right, scale 1; the bar pixel is where the back button would be
    // if pixels were taken as game coordinates.
    {"Wide1600x600", 1600, 600, {300, 0, 1000, 600}, {800, 500}, {1059, 522}, {530, 100}, {230, 100},
     {1190, 35}, {1140, 110}, {1200, 170}},
    // 200 px bars above and below, scale 1.
    {"Tall1000x1000", 1000, 1000, {0, 200, 1000, 600}, {500, 700}, {759, 722}, {230, 300}, {230, 100},
     {890, 235}, {840, 310}, {900, 370}},
    // Full screen: 60 px bars left and right, scale 1.8.
    {"FullScreen1920x1080", 1920, 1080, {60, 0, 1800, 1080}, {960, 900}, {1426, 940}, {474, 180}, {30, 540},
     {1662, 63}, {1572, 198}, {1680, 306}},
};

void PrintTo(const WindowCase& c, std::ostream* out) { *out << c.name; }

HarnessOptions returningPlayerIn(const WindowCase& c) {
    HarnessOptions options = returningPlayer();
    options.windowWidth = c.width;
    options.windowHeight = c.height;
    return options;
}

void pressPixel(Harness& h, sf::Vector2i p) {
    h.moveToPixel(p.x, p.y);
    h.pressLeft();
    h.step();
    h.releaseLeft();
    h.step(7);  // the menus' 200 ms between presses
}

bool near(sf::Color a, sf::Color b, int tolerance) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) <= tolerance;
}

class WindowSizes : public ::testing::TestWithParam<WindowCase> {};

}  // namespace

TEST_P(WindowSizes, MappedCentresOfMenuButtonsPressThem) {
    const WindowCase& c = GetParam();
    Harness h(returningPlayerIn(c));
    h.boot();
    ASSERT_TRUE(showing(GameScreen::Title));
    pressPixel(h, c.play);
    ASSERT_TRUE(showing(GameScreen::MainMenu)) << "Play";
    pressPixel(h, c.reset);
    EXPECT_TRUE(menuState.resetArmed) << "Reset High Scores, off the centre line";
    pressPixel(h, c.back);
    EXPECT_TRUE(showing(GameScreen::Title)) << "the back arrow";
    EXPECT_FALSE(showing(GameScreen::MainMenu));
}

TEST_P(WindowSizes, APressOnABarDoesNothing) {
    const WindowCase& c = GetParam();
    Harness h(returningPlayerIn(c));
    h.boot();
    pressPixel(h, c.play);
    ASSERT_TRUE(showing(GameScreen::MainMenu));
    stopSound("click");
    pressPixel(h, c.bar);
    EXPECT_TRUE(showing(GameScreen::MainMenu)) << "nothing was pressed";
    EXPECT_FALSE(menuState.resetArmed);
    EXPECT_FALSE(soundPlaying("click"));
    EXPECT_FALSE(soundPlaying("back"));
}

TEST_P(WindowSizes, ItemsAreDraggedInTheBag) {
    const WindowCase& c = GetParam();
    Harness h(returningPlayerIn(c));
    h.boot();
    h.standInGame(7);
    h.step();
    pressPixel(h, c.bagButton);
    ASSERT_TRUE(inventoryPanel.open) << "the bag button of the top bar";
    h.step(8);
    ASSERT_EQ(session.Inventory[0], 13);
    h.moveToPixel(c.slot0.x, c.slot0.y);
    h.pressLeft();
    h.step();
    h.moveToPixel(c.slot4.x, c.slot4.y);
    h.step();
    h.releaseLeft();
    h.step();
    EXPECT_EQ(session.Inventory[0], 0);
    EXPECT_EQ(session.Inventory[4], 13) << "the bronze hatchet went to slot 5";
}

// The picture of the same moment at 1000 x 600 and in the letterboxed window: black bars
// all round it, and every point of it where it belongs, neither stretched nor shifted.
TEST_P(WindowSizes, ScreenshotShowsBarsAndTheWholePictureUndistorted) {
    const WindowCase& c = GetParam();
    sf::Image reference;
    {
        Harness plain(returningPlayerIn({"Plain", 1000, 600}));
        plain.boot();
        plain.step(3);
        reference = plain.screenshot();
    }
    Harness h(returningPlayerIn(c));
    h.boot();
    h.step(3);
    sf::Image shot = h.screenshot();
    h.saveScreenshot(std::string("window_") + c.name);
    ASSERT_EQ(shot.getSize(), sf::Vector2u(c.width, c.height));
    int barPixels = 0;
    for (unsigned y = 0; y < c.height; y += 3)
        for (unsigned x = 0; x < c.width; x += 3)
            if (!c.picture.contains(static_cast<int>(x), static_cast<int>(y))) {
                ASSERT_EQ(shot.getPixel(x, y), sf::Color::Black) << x << "," << y;
                barPixels++;
            }
    EXPECT_GT(barPixels, 10000) << "the bars are there";
    double scale = c.picture.width / 1000.0;
    int points = 0, matching = 0;
    for (int y = 2; y < 598; y += 4)
        for (int x = 2; x < 998; x += 4) {
            sf::Color want = reference.getPixel(x, y);
            sf::Color seen = shot.getPixel(c.picture.left + static_cast<int>((x + 0.5) * scale),
                                           c.picture.top + static_cast<int>((y + 0.5) * scale));
            points++;
            if (near(want, seen, scale == 1.0 ? 0 : 60)) matching++;
        }
    EXPECT_GE(matching, points * 97 / 100) << matching << " of " << points << " points match";
}

TEST(WindowSizes, EnlargedPicturesAreSmoothed) {
    Harness h({.windowWidth = 1920, .windowHeight = 1080});
    h.boot();
    h.step(2);
    ASSERT_TRUE(showing(GameScreen::InputChooser) || showing(GameScreen::Title));
    for (const char* name : {"background", "cloud 1", "main menu"})
        EXPECT_TRUE(catalogue.textures.at(name)->isSmooth()) << name << " is drawn 1.8 times its size";
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowSizes, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return info.param.name; });
