// catalogue_test.cpp -- the twice-size pictures of enlarged windows: chosen above 1.25 times
// only, made on their first large draw, given back unseen, covering the small ones' place
#include "engine/catalogue.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/pad_pointer.h"
#include "engine/platform.h"
#include "engine/run_folder.h"
#include "engine/toolkit.h"
#include "support/harness.h"
#include "support/play.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

HarnessOptions titleIn(unsigned width, unsigned height, bool freshCatalogue) {
    HarnessOptions options = returningPlayer();  // straight to the title
    options.reuseLoadedAssets = !freshCatalogue;
    options.windowWidth = width;
    options.windowHeight = height;
    return options;
}

long madeTextures(const std::map<std::string, std::unique_ptr<sf::Texture>>& textures) {
    return std::count_if(textures.begin(), textures.end(), [](const auto& t) { return t.second->getSize().x > 0; });
}

// Centre, area and mean colour of what a picture drawn on black leaves, in view units.
struct Ink {
    double x = 0, y = 0, area = 0, r = 0, g = 0, b = 0;
};

Ink inkOf(const sf::Image& shot, double scale) {
    Ink ink;
    for (unsigned y = 0; y < shot.getSize().y; y++)
        for (unsigned x = 0; x < shot.getSize().x; x++) {
            sf::Color c = shot.getPixel(x, y);
            if (c.r + c.g + c.b < 60) continue;
            ink = {ink.x + (x + 0.5) / scale, ink.y + (y + 0.5) / scale, ink.area + 1,
                   ink.r + c.r, ink.g + c.g, ink.b + c.b};
        }
    double n = std::max(ink.area, 1.0);
    return {ink.x / n, ink.y / n, ink.area / (scale * scale), ink.r / n, ink.g / n, ink.b / n};
}

// A turned, enlarged, tinted sprite at a fractional place, then a tool tile (a cell of its
// sheet) at half size: everything a draw can change about where a picture lands.
std::vector<Ink> drawAwkwardSprites(Harness& h, double scale) {
    shadeView(255);
    scaleSprite("arrow", 1.5);
    rotateSprite("arrow", 30);
    tintSprite("arrow", 255, 120, 40);
    drawSprite("arrow", 333.5, 222.25);
    std::vector<Ink> inks = {inkOf(h.screenshot(), scale)};
    shadeView(255);
    scaleSprite("tool 17", 0.5);
    drawSprite("tool 17", 700, 400);
    inks.push_back(inkOf(h.screenshot(), scale));
    scaleSprite("arrow", 1);
    rotateSprite("arrow", 0);
    tintSprite("arrow", 255, 255, 255);
    scaleSprite("tool 17", 1);
    return inks;
}

// Every seventh opaque texel of a large picture lies unchanged on the pixel it covers.
void expectTexelsOneToAPixel(const sf::Image& shot, const sf::Image& texels, unsigned left, unsigned top,
                             int leastCompared) {
    int compared = 0, same = 0;
    for (unsigned y = 3; y < texels.getSize().y; y += 7)
        for (unsigned x = 3; x < texels.getSize().x; x += 7)
            if (texels.getPixel(x, y).a == 255) {
                compared++;
                same += shot.getPixel(left + x, top + y) == texels.getPixel(x, y);
            }
    EXPECT_GT(compared, leastCompared);
    EXPECT_EQ(same, compared);
}

}  // namespace

TEST(Catalogue, LargePicturesAreDrawnAboveOneAndAQuarterTimesMadeOnlyThenAndGivenBackUnseen) {
    {
        // 1250 x 750: exactly 1.25 times. The small pictures, and no large one at all.
        Harness h(titleIn(1250, 750, true));
        h.boot();
        h.step(3);
        EXPECT_FALSE(showsLargePictures(drawTarget()));
        EXPECT_EQ(spriteEntry("title").texture->getSize(), sf::Vector2u(640, 200));
        EXPECT_EQ(madeTextures(catalogue.largeTextures), 0);
    }
    // 1252 x 752: the picture is 1252 x 751, a little over 1.25 times. The large pictures,
    // made only for what was shown: no small one, and not the help page that never was.
    Harness h(titleIn(1252, 752, true));
    h.boot();
    h.step(3);
    EXPECT_TRUE(showsLargePictures(drawTarget()));
    EXPECT_EQ(spriteEntry("title").largeTexture->getSize(), sf::Vector2u(1280, 400));
    EXPECT_EQ(spriteEntry("background").largeTexture->getSize(), sf::Vector2u(2000, 1200));
    EXPECT_EQ(spriteEntry("help menu").largeTexture->getSize(), sf::Vector2u(0, 0));
    EXPECT_EQ(madeTextures(catalogue.textures), 0) << "a small picture was made at full size";
    // Unseen for a minute, a large picture gives its memory back when another is made.
    const sf::Texture& title = *spriteEntry("title").largeTexture;
    h.advance(largePictureRestMs - 1);
    drawSprite("item 1", 100, 100);
    EXPECT_EQ(title.getSize(), sf::Vector2u(1280, 400)) << "rested a moment too little";
    h.advance(1);
    drawSprite("item 2", 100, 100);
    EXPECT_EQ(title.getSize(), sf::Vector2u(0, 0));
    EXPECT_EQ(spriteEntry("item 1").largeTexture->getSize(), sf::Vector2u(96, 96));
    drawSprite("title", 550, 150);
    EXPECT_EQ(title.getSize(), sf::Vector2u(1280, 400)) << "made again when shown";
}

TEST(Catalogue, ALargePictureCoversTheSamePlaceTurnedScaledAndTinted) {
    std::vector<Ink> small;
    {
        Harness h(titleIn(1000, 600, false));
        h.boot();
        small = drawAwkwardSprites(h, 1.0);
    }
    Harness h(titleIn(2000, 1200, false));
    h.boot();
    std::vector<Ink> large = drawAwkwardSprites(h, 2.0);
    for (int i : {0, 1}) {
        ASSERT_GT(small[i].area, 500) << i;
        EXPECT_NEAR(large[i].x, small[i].x, 0.5) << i;
        EXPECT_NEAR(large[i].y, small[i].y, 0.5) << i;
        EXPECT_NEAR(large[i].area, small[i].area, small[i].area * 0.03) << i;
        EXPECT_NEAR(large[i].r, small[i].r, 6) << i;
        EXPECT_NEAR(large[i].g, small[i].g, 6) << i;
        EXPECT_NEAR(large[i].b, small[i].b, 6) << i;
    }
    // At exactly twice the size, the anvil's close-up at (500, 335) shows its large texels
    // one to a pixel from (300, 170), as the small ones from (150, 85) at 1000 x 600; so
    // does the pad's pointer, drawn beside the catalogue, at (500, 300).
    shadeView(255);
    drawSprite("interact anvil", 500, 335);
    sf::Image texels = spriteEntry("interact anvil").largeTexture->copyToImage();
    ASSERT_EQ(texels.getSize(), sf::Vector2u(1400, 1000));
    expectTexelsOneToAPixel(h.screenshot(), texels, 300, 170, 5000);
    shadeView(255);
    padInUse = true;
    pointer = {500, 300, false};
    drawPadPointer();
    padInUse = false;
    ASSERT_TRUE(texels.loadFromFile(largeAssetFile(padPointerCode)));
    ASSERT_EQ(texels.getSize(), sf::Vector2u(56, 56));
    expectTexelsOneToAPixel(h.screenshot(), texels, 972, 572, 10);
}
