// kinds_test.cpp -- names, tools and their advantage, swept over the whole tables
#include "world/kinds.h"

#include <gtest/gtest.h>

TEST(Kinds, TheBestToolCarriedIsUsedAndAWoodToolStandsInForNone) {
    int noPickaxe[9] = {13, 19, 1, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(currentTool(IronRock, noPickaxe), 0);
    EXPECT_EQ(currentToolName(IronRock, 0), "Wood Pickaxe");
    EXPECT_EQ(toolAdvantage(0, IronRock), -2);
    int twoHatchets[9] = {0, 15, 0, 13, 0, 0, 0, 0, 0};
    EXPECT_EQ(currentTool(PineTree, twoHatchets), TitaniumHatchet);
    EXPECT_EQ(toolAdvantage(TitaniumHatchet, PineTree), 1);
    EXPECT_EQ(toolAdvantage(TitaniumFishingPole, BassPond), 2);
    EXPECT_EQ(toolAdvantage(0, OakTree), -3);
    EXPECT_EQ(currentTool(FirePit, twoHatchets), 0) << "stations take no tool";
}

TEST(Kinds, EveryGatherableObjectRecommendsTheToolWithNoAdvantage) {
    for (int kind = BirchTree; kind <= TroutPond; kind++) {
        std::string recommended = recommendedToolName(kind);
        int tool = 0;
        for (int item = BronzeHatchet; item <= TitaniumFishingPole; item++)
            if (itemName(item) == recommended) tool = item;
        ASSERT_NE(tool, 0) << kind;
        EXPECT_EQ(toolAdvantage(tool, kind), 0) << kind;
        int bag[9] = {tool, 0, 0, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(currentTool(kind, bag), tool) << "a tool of the object's own family";
        std::string material = objectDisplayName(kind).substr(0, objectDisplayName(kind).find(' '));
        EXPECT_NE(itemName(kind).find(material), std::string::npos)
            << "object kind k yields item k of the same material: " << itemName(kind);
    }
    EXPECT_EQ(recommendedToolName(FirePit), "");
    EXPECT_EQ(recommendedToolName(12), "");
}

TEST(Kinds, NamesOutsideTheTablesAreEmpty) {
    EXPECT_EQ(objectTextureName(EmptyPlace), "empty");
    EXPECT_EQ(objectDisplayName(EmptyPlace), "");
    EXPECT_EQ(objectDisplayName(12), "");
    EXPECT_EQ(objectTextureName(-1), "");
    EXPECT_EQ(itemName(0), "");
    EXPECT_EQ(itemName(22), "");
    EXPECT_EQ(itemName(CookedTrout), "Cooked Trout");
    EXPECT_EQ(itemName(RawTrout + 3), "Cooked Trout") << "cooked fish is raw fish + 3";
    EXPECT_EQ(itemTextureName(21), "item 21");
    EXPECT_EQ(interactionTextureName(BirchTree), "tree birch");
    EXPECT_EQ(interactionTextureName(IronRock), "interact rock iron");
    EXPECT_EQ(objectHitBox(EmptyPlace), nullptr);
}
