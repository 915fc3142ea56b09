// toolkit_test.cpp -- label origins, the exact pixels of frames and bars, letters in enlarged windows
#include "engine/toolkit.h"
#include "support/harness.h"

#include <algorithm>
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

namespace {
// A sentence of the title screen, white on black, in a window of the given size: its
// measured width and origin, where its letters lie (view units), and how many pixels are
// half lit per lit pixel (soft edges raise it).
struct Sentence {
    float width = 0;
    int origin = 0;
    double left = 1e9, right = 0, top = 1e9, bottom = 0, partialShare = 0;
};

Sentence drawSentence(unsigned width, unsigned height) {
    Harness h({.windowWidth = width, .windowHeight = height});
    h.boot();
    shadeView(255);
    TextLabel& l =
        label(uiFont, 18, sf::Color::White, AlignCentre, "Gather, cook, smith and research all 21 items.", 500, 300);
    Sentence seen{l.width(), l.originX()};
    sf::Image shot = h.screenshot();
    double scale = width / 1000.0, lit = 0, partial = 0;
    for (unsigned y = 0; y < height; y++)
        for (unsigned x = 0; x < width; x++) {
            int v = shot.getPixel(x, y).r;
            partial += v > 32 && v < 223;
            if (v < 128) continue;
            lit++;
            seen.left = std::min(seen.left, x / scale);
            seen.right = std::max(seen.right, (x + 1) / scale);
            seen.top = std::min(seen.top, y / scale);
            seen.bottom = std::max(seen.bottom, (y + 1) / scale);
        }
    seen.partialShare = partial / std::max(lit, 1.0);
    return seen;
}
}  // namespace

// Full screen on a 1920 x 1200 screen shows the picture 1.92 times: the letters are measured
// and placed as at 1000 x 600, but drawn from the font at the window's size, so their edges
// are as narrow as at 1000 x 600 instead of stretched 1.92 times.
TEST(Toolkit, LettersOfAnEnlargedWindowLieWhereTheyLieAt1000x600AndStaySharp) {
    Sentence plain = drawSentence(1000, 600), enlarged = drawSentence(1920, 1152);
    EXPECT_EQ(enlarged.width, plain.width);
    EXPECT_EQ(enlarged.origin, plain.origin);
    EXPECT_NEAR(enlarged.left, plain.left, 1.5);
    EXPECT_NEAR(enlarged.right, plain.right, 1.5);
    EXPECT_NEAR(enlarged.top, plain.top, 1.5);
    EXPECT_NEAR(enlarged.bottom, plain.bottom, 1.5);
    EXPECT_LT(enlarged.partialShare, plain.partialShare * 0.75) << plain.partialShare << " at 1000 x 600";
}
