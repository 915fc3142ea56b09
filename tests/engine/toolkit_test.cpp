// toolkit_test.cpp -- label origins and the exact pixels of frames and bars
#include "engine/toolkit.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

TEST(Toolkit, LabelOriginsAreEvenSoTextSitsOnWholePixels) {
    EXPECT_EQ(labelOriginX(101, AlignCentre), 50);   // half 50 is even
    EXPECT_EQ(labelOriginX(102, AlignCentre), 52);   // half 51 is odd: one more
    EXPECT_EQ(labelOriginX(101, AlignRight), 102);
    EXPECT_EQ(labelOriginX(100, AlignRight), 100);
    EXPECT_EQ(labelOriginX(101, AlignLeft), 0);
}

namespace {
// The picture of what draw() puts on a black view, in the given fill colour.
sf::Image drawnOnBlack(Harness& h, sf::Color fill, const std::function<void()>& draw) {
    h.boot();
    shadeView(255);
    setFill(fill.r, fill.g, fill.b);
    draw();
    return h.screenshot();
}
}  // namespace

TEST(Toolkit, FrameRectDrawsThreePixelBarsJustOutsideTheBox) {
    Harness h;
    sf::Image shot = drawnOnBlack(h, sf::Color::White, [] { frameRect(500, 300, 400, 50); });
    auto white = [&](int x, int y) { return shot.getPixel(x, y) == sf::Color::White; };
    // Top bar centred on y 274, bottom on 326, both 400 wide from x 300.
    for (int y : {273, 274, 275, 325, 326, 327}) EXPECT_TRUE(white(500, y)) << y;
    for (int y : {272, 276, 300, 324, 328}) EXPECT_FALSE(white(500, y)) << y;
    EXPECT_TRUE(white(300, 274));
    EXPECT_TRUE(white(699, 274));
    // Side bars centred on x 299 and 701, 55 high.
    for (int x : {298, 299, 300, 700, 701, 702}) EXPECT_TRUE(white(x, 300)) << x;
    for (int x : {297, 301, 699, 703}) EXPECT_FALSE(white(x, 300)) << x;
    EXPECT_TRUE(white(299, 327));
    EXPECT_FALSE(white(299, 328));
}

TEST(Toolkit, BarFromLeftGrowsRightFromItsLeftEdge) {
    Harness h;
    sf::Image shot = drawnOnBlack(h, sf::Color::Red, [] { fillBarFromLeft(300, 300, 50, 40); });
    EXPECT_EQ(shot.getPixel(300, 275), sf::Color::Red);
    EXPECT_EQ(shot.getPixel(339, 324), sf::Color::Red);
    EXPECT_NE(shot.getPixel(340, 300), sf::Color::Red);
    EXPECT_NE(shot.getPixel(299, 300), sf::Color::Red);
    EXPECT_NE(shot.getPixel(300, 274), sf::Color::Red);
}

TEST(Toolkit, IntegerFramesUseIntegerHalvesAndThickLinesCoverTheirBand) {
    Harness h;
    sf::Image shot = drawnOnBlack(h, sf::Color::White, [] {
        frameRectInt(500, 300, 25, 25);  // halves of 12: bars centred at 287, 313, 487 and 513
        drawThickLine(100, 100, 300, 100, 3, sf::Color::Red);
    });
    auto white = [&](int x, int y) { return shot.getPixel(x, y) == sf::Color::White; };
    // Each bar's outer edge: the first point is on the bar, the second just past it.
    for (auto [inX, inY, outX, outY] : {std::array{500, 286, 500, 285}, {500, 314, 500, 315}, {486, 300, 485, 300},
                                        {514, 300, 515, 300}})
        EXPECT_TRUE(white(inX, inY) && !white(outX, outY)) << inX << ", " << inY;
    EXPECT_TRUE(white(500, 287));
    // The line's band runs 1.5 px either side of y 100 from x 100 to 300.
    EXPECT_EQ(shot.getPixel(200, 99), sf::Color::Red);
    EXPECT_EQ(shot.getPixel(200, 100), sf::Color::Red);
    EXPECT_NE(shot.getPixel(200, 97), sf::Color::Red);
    EXPECT_NE(shot.getPixel(200, 102), sf::Color::Red);
    EXPECT_NE(shot.getPixel(310, 100), sf::Color::Red);
}
