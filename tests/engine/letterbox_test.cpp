// letterbox_test.cpp -- the picture scaled uniformly into any window, and window pixels
// mapped back to the same game coordinates
#include "engine/letterbox.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {
bool insidePicture(sf::Vector2i v) { return v.x >= 1 && v.x <= 999 && v.y >= 1 && v.y <= 599; }

// The picture's place in a window of w x h: left, top, width, height.
std::vector<int> boxIn(unsigned w, unsigned h) {
    Letterbox box = letterboxFor(w, h);
    return {box.left, box.top, box.width, box.height};
}
}  // namespace

TEST(Letterbox, WideWindowHasBarsLeftAndRight) { EXPECT_EQ(boxIn(1600, 600), (std::vector<int>{300, 0, 1000, 600})); }

TEST(Letterbox, TallWindowHasBarsAboveAndBelow) { EXPECT_EQ(boxIn(1000, 1000), (std::vector<int>{0, 200, 1000, 600})); }

TEST(Letterbox, FullHdScreenScalesBy1Point8) { EXPECT_EQ(boxIn(1920, 1080), (std::vector<int>{60, 0, 1800, 1080})); }

TEST(Letterbox, SmallWindowShrinksThePicture) { EXPECT_EQ(boxIn(800, 600), (std::vector<int>{0, 60, 800, 480})); }

TEST(Letterbox, ThePictureKeepsItsShapeAtEverySize) {
    for (unsigned w = 200; w <= 2600; w += 37) {
        for (unsigned h = 150; h <= 1600; h += 53) {
            Letterbox box = letterboxFor(w, h);
            EXPECT_NEAR(static_cast<double>(box.width) / box.height, 1000.0 / 600.0, 0.01) << w << "x" << h;
            EXPECT_TRUE(box.width == static_cast<int>(w) || box.height == static_cast<int>(h)) << "fills one side";
            EXPECT_LE(box.left + box.width, static_cast<int>(w));
            EXPECT_LE(box.top + box.height, static_cast<int>(h));
            EXPECT_LE(std::abs((static_cast<int>(w) - box.width - box.left) - box.left), 1) << "centred";
        }
    }
}

TEST(Letterbox, ViewPortCoversThePictureOnly) {
    sf::View view = letterboxView(1600, 600);
    EXPECT_EQ(view.getSize(), sf::Vector2f(1000, 600));
    EXPECT_EQ(view.getCenter(), sf::Vector2f(500, 300));
    EXPECT_FLOAT_EQ(view.getViewport().left, 300.0f / 1600);
    EXPECT_FLOAT_EQ(view.getViewport().width, 1000.0f / 1600);
    EXPECT_FLOAT_EQ(view.getViewport().top, 0.0f);
    EXPECT_FLOAT_EQ(view.getViewport().height, 1.0f);
}

TEST(Letterbox, AtTheViewsOwnSizeEveryPixelIsItsOwnCoordinate) {
    Letterbox box = letterboxFor(1000, 600);
    for (int x = 0; x < 1000; x++) EXPECT_EQ(letterboxPixelToView(box, x, 300).x, x);
    for (int y = 0; y < 600; y++) EXPECT_EQ(letterboxPixelToView(box, 500, y).y, y);
}

TEST(Letterbox, PixelsOnTheBarsAreOutsideThePicture) {
    Letterbox wide = letterboxFor(1600, 600);
    EXPECT_FALSE(insidePicture(letterboxPixelToView(wide, 150, 300)));
    EXPECT_FALSE(insidePicture(letterboxPixelToView(wide, 299, 300)));
    EXPECT_FALSE(insidePicture(letterboxPixelToView(wide, 1300, 300)));
    EXPECT_FALSE(insidePicture(letterboxPixelToView(wide, 1599, 300)));
    EXPECT_TRUE(insidePicture(letterboxPixelToView(wide, 301, 300)));
    Letterbox tall = letterboxFor(1000, 1000);
    EXPECT_FALSE(insidePicture(letterboxPixelToView(tall, 500, 100)));
    EXPECT_FALSE(insidePicture(letterboxPixelToView(tall, 500, 199)));
    EXPECT_FALSE(insidePicture(letterboxPixelToView(tall, 500, 900)));
    EXPECT_TRUE(insidePicture(letterboxPixelToView(tall, 500, 201)));
}

TEST(Letterbox, CentresMapToTheViewCentre) {
    EXPECT_EQ(letterboxPixelToView(letterboxFor(1600, 600), 800, 300), sf::Vector2i(500, 300));
    EXPECT_EQ(letterboxPixelToView(letterboxFor(1000, 1000), 500, 500), sf::Vector2i(500, 300));
    EXPECT_EQ(letterboxPixelToView(letterboxFor(1920, 1080), 960, 540), sf::Vector2i(500, 300));
    EXPECT_EQ(letterboxPixelToView(letterboxFor(1920, 1080), 429, 369), sf::Vector2i(205, 205))
        << "60 + 205 x 1.8 across, 205 x 1.8 down";
}

TEST(Letterbox, ViewPointsMapToPixelsThatMapBack) {
    for (auto [w, h] : {std::pair{1600u, 600u}, {1000u, 1000u}, {1920u, 1080u}, {2560u, 1440u}, {1366u, 768u}}) {
        Letterbox box = letterboxFor(w, h);
        for (int x = 0; x < 1000; x += 7)
            for (int y = 0; y < 600; y += 11)
                ASSERT_EQ(letterboxPixelToView(box, letterboxViewToPixel(box, x, y).x, letterboxViewToPixel(box, x, y).y),
                          sf::Vector2i(x, y)) << w << "x" << h;
    }
}
