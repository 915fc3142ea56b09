// assets_test.cpp -- every file the game loads exists, decodes and has its manifest size
#include "engine/asset_table.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/Music.hpp>
#include <SFML/Graphics.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
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

// The same picture at twice the size, for windows that enlarge the picture.
std::string largeAssetFile(const std::string& code) {
    return std::string(THORNVALE_ASSETS_DIR) + "/2x/" + code + ".dk5";
}

std::set<std::string> imageCodesOfTheGame() {
    std::set<std::string> codes;
    for (int i = 0; i < imagesBeforeTilesCount; i++) codes.insert(imagesBeforeTiles[i].code);
    for (int i = 0; i < imagesAfterTilesCount; i++) codes.insert(imagesAfterTiles[i].code);
    for (const ToolSheet& sheet : toolSheets) codes.insert(sheet.code);
    codes.insert("30");
    codes.insert("3Q");  // the pad's pointer, loaded at its first showing
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
    EXPECT_EQ(manifest.size(), 133u);
    std::set<std::string> wanted = imageCodesOfTheGame();
    for (const SoundEntry& sound : soundCatalogue) wanted.insert(sound.code);
    wanted.insert("3");
    wanted.insert("R");
    EXPECT_EQ(wanted.size(), 133u);
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

namespace {
// How far the large picture, each 2 x 2 block averaged, is from the small one: the mean
// difference of colour (weighted by coverage) and coverage, 0 to 255.
double shrunkDifference(const sf::Image& small, const sf::Image& large) {
    auto channels = [](sf::Color c) {
        return std::array<double, 4>{c.r * c.a / 255.0, c.g * c.a / 255.0, c.b * c.a / 255.0, 1.0 * c.a};
    };
    double total = 0;
    for (unsigned y = 0; y < small.getSize().y; y++)
        for (unsigned x = 0; x < small.getSize().x; x++)
            for (int k = 0; k < 4; k++) {
                double block = 0;
                for (unsigned i = 0; i < 4; i++) block += channels(large.getPixel(2 * x + i % 2, 2 * y + i / 2))[k] / 4;
                total += std::abs(block - channels(small.getPixel(x, y))[k]);
            }
    return total / (4.0 * small.getSize().x * small.getSize().y);
}
}  // namespace

// Enlarged windows draw every picture from its twin at twice the size (the window icon is
// only ever shown by the desktop): the same source, so shrunk back it is the same picture.
TEST(Assets, EveryPictureHasATwinOfTheSameLookAtTwiceItsSize) {
    for (const std::string& code : imageCodesOfTheGame()) {
        sf::Image small, large;
        if (code == iconCode) continue;
        ASSERT_TRUE(small.loadFromFile(assetFile(code)) && large.loadFromFile(largeAssetFile(code))) << code;
        ASSERT_EQ(large.getSize(), small.getSize() * 2u) << code;
        EXPECT_LT(shrunkDifference(small, large), 3.0) << code;
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

namespace {
struct Samples {
    std::vector<sf::Int16> data;
    unsigned channels = 1;
};

Samples readSamples(const std::string& code) {
    Samples s;
    sf::InputSoundFile file;
    if (!file.openFromFile(assetFile(code))) return s;
    s.channels = file.getChannelCount();
    s.data.resize(file.getSampleCount());
    s.data.resize(file.read(s.data.data(), s.data.size()));
    return s;
}
}  // namespace

// Loops must not click at the seam: the jump from the last sample to the first is
// no bigger than the sound's own ordinary sample-to-sample movement.
TEST(Assets, LoopsJoinWithoutAClick) {
    for (const char* code : {"3B", "3H", "3I", "3P"}) {
        Samples s = readSamples(code);
        ASSERT_GT(s.data.size(), 1000u) << code;
        size_t frames = s.data.size() / s.channels;
        double ordinary = 0;
        for (size_t i = 1; i < frames; i++) ordinary += std::abs(s.data[i * s.channels] - s.data[(i - 1) * s.channels]);
        ordinary /= frames - 1;
        double seam = std::abs(s.data[0] - s.data[(frames - 1) * s.channels]);
        EXPECT_LE(seam, std::max(4 * ordinary, 400.0)) << code << ": seam " << seam << ", ordinary step " << ordinary;
    }
}

// Effects are levelled to one peak: about -3 dBFS (23198 of 32767).
TEST(Assets, EffectsPeakNearMinusThreeDecibels) {
    for (const SoundEntry& sound : soundCatalogue) {
        Samples s = readSamples(sound.code);
        ASSERT_FALSE(s.data.empty()) << sound.name;
        int peak = 0;
        for (sf::Int16 v : s.data) peak = std::max(peak, std::abs(static_cast<int>(v)));
        double db = 20 * std::log10(peak / 32767.0);
        EXPECT_NEAR(db, -3.0, 1.0) << sound.name;
    }
}
