// load_screen_test.cpp -- the load list played: names the game never writes drawn cut to
// their row, and a red X that asks before it deletes
#include "engine/app_state.h"
#include "engine/sound.h"
#include "frontend/load_screen.h"
#include "support/play.h"

#include <gtest/gtest.h>

namespace {

std::string saveFile(const std::string& name) {
    std::string text = name + "\n0\n42\n";
    for (int i = 4; i <= 53; i++) text += "0\n";
    return text;
}

// A returning player whose games 1, 2, 3... carry these names, listed in that order.
HarnessOptions listedGames(const std::vector<std::string>& names) {
    HarnessOptions options;
    options.saves = {settingsFile()};
    std::string list = std::to_string(names.size() + 1) + "\n";
    for (size_t i = 0; i < names.size(); i++) {
        std::string id = std::to_string(i + 1);
        list += id + "\n";
        options.saves.push_back({id + ".kv", saveFile(names[i])});
    }
    options.saves.push_back({"sL.kv", list});
    return options;
}

void openLoadList(Harness& h) {
    h.boot();
    h.menuPress(500, 500);  // Play
    h.menuPress(500, 275);  // Load Game
    ASSERT_TRUE(showing(GameScreen::LoadList));
}

// Pixels of a colour in a box of the last picture.
int pixelsLike(Harness& h, int left, int top, int right, int bottom, bool (*like)(sf::Color)) {
    sf::Image picture = h.screenshot();
    int n = 0;
    for (int x = left; x < right; x++)
        for (int y = top; y < bottom; y++) n += like(picture.getPixel(x, y));
    return n;
}

bool textBlack(sf::Color c) { return c.r < 60 && c.g < 60 && c.b < 60; }
bool warningRed(sf::Color c) { return c.r > 150 && c.g < 60 && c.b < 60; }

// Where "Delete?" stands beside the X of visible row k.
int redBesideX(Harness& h, int k) { return pixelsLike(h, 180, 170 + 30 * k, 276, 192 + 30 * k, warningRed); }

}  // namespace

TEST(LoadScreen, ANameLongerThanTheGameWritesIsDrawnCutToItsRow) {
    const std::string twenty = "Twenty Letters Name1";
    Harness h(listedGames({std::string(300000, 'W'), twenty, std::string(21, 'i')}));
    openLoadList(h);
    h.moveTo(900, 580);
    h.step();
    h.saveScreenshot("load_list_long_name");
    EXPECT_EQ(pixelsLike(h, 565, 170, 640, 192, textBlack), 0) << "the long name stops before the progress column";
    EXPECT_GT(pixelsLike(h, 340, 170, 400, 192, textBlack), 0) << "its beginning is shown";
    EXPECT_LE(loadRows.rows[0].name.size(), 20u);
    EXPECT_EQ(loadRows.rows[1].name, twenty) << "a name the game writes is never cut";
    EXPECT_EQ(loadRows.rows[2].name, std::string(20, 'i')) << "one character too many is cut";
}

TEST(LoadScreen, TheRedXAsksFirstAndDeletesOnASecondPressWithinThreeSeconds) {
    std::vector<std::string> names;
    for (int i = 1; i <= 16; i++) names.push_back("Game " + std::to_string(i));
    Harness h(listedGames(names));
    openLoadList(h);
    for (int i = 0; i < 3; i++) h.menuPress(800, 500);
    ASSERT_EQ(loadRows.scroll, 3);  // the first row shown is game 4, the second game 5

    h.menuPress(290, 180);
    EXPECT_TRUE(h.fileExists("saves/4.kv")) << "the first press only asks";
    h.saveScreenshot("load_list_delete_armed");
    EXPECT_GT(redBesideX(h, 0), 20) << "\"Delete?\" in red beside the X";
    h.menuPress(290, 210);  // another press, here on the next X, disarms the first
    EXPECT_TRUE(h.fileExists("saves/4.kv"));
    EXPECT_TRUE(h.fileExists("saves/5.kv"));
    EXPECT_EQ(redBesideX(h, 0), 0);
    EXPECT_GT(redBesideX(h, 1), 20);

    h.moveTo(320, 210);  // the pointer leaves the X and comes back
    h.step();
    h.menuPress(290, 210);
    EXPECT_TRUE(h.fileExists("saves/5.kv")) << "leaving disarmed it: this press asks again";

    h.advance(3000 - 7 * 34 - 34);  // the next press comes exactly 3 s after the last
    h.click(290, 210);
    EXPECT_FALSE(h.fileExists("saves/5.kv"));
    EXPECT_TRUE(soundPlaying("delete"));
    EXPECT_EQ(h.readFile("saves/sL.kv").find("\n5\n"), std::string::npos);
    EXPECT_EQ(loadRows.scroll, 3) << "the list stays where it was scrolled to";
    EXPECT_EQ(loadRows.rows[loadRows.scroll + 1].name, "Game 6");

    h.step(7);
    h.menuPress(290, 180);
    h.advance(3000 - 7 * 34 - 34 + 1);  // one millisecond too late
    h.click(290, 180);
    EXPECT_TRUE(h.fileExists("saves/4.kv"));
    EXPECT_GT(redBesideX(h, 0), 20) << "a late press asks again";
}
