// settings_test.cpp -- saves/sF.kv and the decision to open on the input-method chooser
#include "engine/app_state.h"
#include "engine/input.h"
#include "engine/settings.h"
#include "engine/sound.h"
#include "support/play.h"

#include <gtest/gtest.h>

TEST(Settings, FreshInstallWritesDefaultsAndOpensTheChooser) {
    Harness h;
    h.boot();
    EXPECT_EQ(h.readFile("saves/sF.kv"), "-1\n1\n100\n1\n100\n1\n");
    EXPECT_TRUE(showing(GameScreen::InputChooser));
    EXPECT_FALSE(showing(GameScreen::Title));
}

TEST(Settings, LockedFileStartsOnTheTitleWithItsVolumes) {
    Harness h({.saves = {{"sF.kv", "0\n0\n40\n1\n70\n0\n"}}});
    h.boot();
    EXPECT_TRUE(showing(GameScreen::Title));
    EXPECT_FALSE(showing(GameScreen::InputChooser));
    EXPECT_FALSE(touchMode);
    EXPECT_EQ(settings.musicVolume, 40);
    EXPECT_FALSE(soundPlaying("music")) << "music is muted";
    EXPECT_EQ(soundVolume("tree chop"), 70);
}

TEST(Settings, TouchLockedStartsInTouchMode) {
    Harness h({.saves = {settingsFile({.inputChoice = 1})}});
    h.boot();
    EXPECT_TRUE(touchMode);
    EXPECT_TRUE(showing(GameScreen::Title));
}

TEST(Settings, ShortAndDamagedFilesTakeDefaultsAndVolumesAreClampedWhenApplied) {
    Harness h({.saves = {{"sF.kv", "1\nloud\n250\n"}}});
    h.boot();
    EXPECT_EQ(settings.musicOn, 1) << "a line without a number keeps its default";
    EXPECT_EQ(settings.musicVolume, 250) << "values are not limited when read";
    EXPECT_EQ(soundVolume("music"), 100) << "but the sound never goes above 100";
    EXPECT_TRUE(showing(GameScreen::InputChooser)) << "a short file asks again: the sixth value defaults to 1";
    EXPECT_FALSE(touchMode) << "the chooser always starts in Mouse/Keyboard mode";
}

TEST(Settings, AHugeVolumeReadsAsItIsButItsKnobStaysOnTheSlider) {
    Harness h({.saves = {{"sF.kv", "0\n1\n2147483647\n1\n-2147483648\n0\n"}}});
    h.boot();
    EXPECT_EQ(settings.musicVolume, 2147483647);
    changeScreen(GameScreen::Settings);
    h.moveTo(10, 10);
    h.step();
    sf::Image picture = h.screenshot();
    auto dark = [&](int x, int y) { sf::Color c = picture.getPixel(x, y); return c.r + c.g + c.b < 150; };
    EXPECT_TRUE(dark(750, 283)) << "the music knob at the full end of its line";
    EXPECT_TRUE(dark(350, 333)) << "the effects knob at the empty end of its line";
}
