// areas_review_test.cpp -- every object kind standing in an area, drawn and saved for review
#include "engine/app_state.h"
#include "support/harness.h"
#include "world/game_session.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

namespace {
// How different a column of the picture is from the empty meadow behind it.
long differenceFromMeadow(const sf::Image& area, const sf::Image& meadow, int x, int y0, int y1) {
    long sum = 0;
    for (int y = y0; y < y1; y++) {
        sf::Color a = area.getPixel(x, y), b = meadow.getPixel(x, y);
        sum += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
    }
    return sum;
}
}  // namespace

TEST(AreasReview, EveryObjectKindStandsInItsPlace) {
    Harness h;
    h.boot();
    h.standInGame(0);
    session.player.playerX = 995;  // parked off to the right so it covers nothing
    session.player.controlEnabled = false;
    for (int& slot : session.world.AreaContents) slot = EmptyPlace;
    h.step();
    sf::Image meadow = h.screenshot();
    const int areas[4][3] = {{BirchTree, PineTree, OakTree},
                             {BronzeRock, IronRock, TitaniumRock},
                             {BassPond, SalmonPond, TroutPond},
                             {FirePit, EmptyPlace, Anvil}};
    const char* names[4] = {"area_trees", "area_rocks", "area_ponds", "area_stations"};
    for (int a = 0; a < 4; a++) {
        for (int slot = 0; slot < 3; slot++) session.world.AreaContents[slot] = areas[a][slot];
        h.step();
        sf::Image shot = h.screenshot();
        h.saveScreenshot(names[a]);
        for (int slot = 0; slot < 3; slot++) {
            const HitBox* box = objectHitBox(areas[a][slot]);
            int x = 170 + 330 * slot;
            if (!box) {
                EXPECT_LT(differenceFromMeadow(shot, meadow, x, 380, 520), 2000) << names[a] << " empty place";
                continue;
            }
            long difference = differenceFromMeadow(shot, meadow, x, box->centreY - box->height / 4,
                                                   box->centreY + box->height / 4);
            EXPECT_GT(difference, 30L * box->height) << names[a] << " slot " << slot;
        }
    }
}
