// assets_test.cpp -- every file the game loads exists, decodes and has its manifest size
#include "app/asset_table.h"

#include <SFML/Audio/Music.hpp>
#include <SFML/Graphics.hpp>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

struct ManifestRow {
    std::string code, kind, names, source, size;
};

std::map<std::string, ManifestRow> readManifest() {
    std::map<std::string, ManifestRow> rows;
    std::ifstream in(std::string(THORNVALE_SOURCE_DIR) + "/art/manifest.tsv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::stringstream fields(line);
        ManifestRow row;
        std::getline(fields, row.code, '\t');
        std::getline(fields, row.kind, '\t');
        std::getline(fields, row.names, '\t');
        std::getline(fields, row.source, '\t');
        std::getline(fields, row.size, '\t');
        rows[row.code] = row;
    }
    return rows;
}

std::string assetFile(const std::string& code) {
    return std::string(THORNVALE_ASSETS_DIR) + "/" + code + ".dk5";
}

std::set<std::string> imageCodesOfTheGame() {
    std::set<std::string> codes;
    for (int i = 0; i < imagesBeforeTilesCount; i++) codes.insert(imagesBeforeTiles[i].code);
    for (int i = 0; i < imagesAfterTilesCount; i++) codes.insert(imagesAfterTiles[i].code);
    for (const ToolSheet& sheet : toolSheets) codes.insert(sheet.code);
    codes.insert("30");
    return codes;
}

sf::Vector2u manifestSize(const ManifestRow& row) {
    unsigned w = 0, h = 0;
    char x;
    std::stringstream(row.size) >> w >> x >> h;
    return {w, h};
}

}  // namespace

TEST(Assets, ManifestListsExactlyTheFilesTheGameLoads) {
    auto manifest = readManifest();
    EXPECT_EQ(manifest.size(), 132u);
    std::set<std::string> wanted = imageCodesOfTheGame();
    for (const SoundEntry& sound : soundCatalogue) wanted.insert(sound.code);
    wanted.insert("3");
    wanted.insert("R");
    EXPECT_EQ(wanted.size(), 132u);
    for (const std::string& code : wanted) EXPECT_TRUE(manifest.count(code)) << code;
    EXPECT_EQ(imagesBeforeTilesCount + imagesAfterTilesCount + loadedToolTileCount, imageCount);
}

TEST(Assets, EveryImageDecodesAtItsManifestSize) {
    auto manifest = readManifest();
    for (const std::string& code : imageCodesOfTheGame()) {
        sf::Image image;
        ASSERT_TRUE(image.loadFromFile(assetFile(code))) << code;
        EXPECT_EQ(image.getSize(), manifestSize(manifest[code])) << code << " " << manifest[code].names;
    }
}

TEST(Assets, EverySoundAndFontDecodes) {
    for (const SoundEntry& sound : soundCatalogue) {
        sf::Music music;
        EXPECT_TRUE(music.openFromFile(assetFile(sound.code))) << sound.name;
        EXPECT_GT(music.getDuration().asSeconds(), 0.05f) << sound.name;
    }
    sf::Font font;
    EXPECT_TRUE(font.loadFromFile(assetFile("3")));
    EXPECT_TRUE(font.loadFromFile(assetFile("R")));
}

// Blank cells of a tool sheet must be empty, and every piece must show something,
// or the puzzle shows a piece nobody can see.
TEST(Assets, ToolSheetPiecesAreVisibleAndBlankCellsEmpty) {
    for (const ToolSheet& sheet : toolSheets) {
        sf::Image image;
        ASSERT_TRUE(image.loadFromFile(assetFile(sheet.code))) << sheet.code;
        for (int cell = 0; cell < 16; cell++) {
            int opaque = 0;
            for (int y = 0; y < 75; y++)
                for (int x = 0; x < 75; x++)
                    if (image.getPixel(75 * (cell % 4) + x, 75 * (cell / 4) + y).a > 128) opaque++;
            if (toolTileHasPiece(sheet.firstTile + cell))
                EXPECT_GT(opaque, 75 * 75 / 10) << sheet.code << " cell " << cell;
            else
                EXPECT_EQ(opaque, 0) << sheet.code << " blank cell " << cell;
        }
    }
}
