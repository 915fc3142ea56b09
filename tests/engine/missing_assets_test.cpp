// missing_assets_test.cpp -- a missing or damaged background image: the player is told
// which file, and every frame starts from black instead of smearing over the last one
#include "engine/catalogue.h"
#include "engine/platform.h"
#include "support/harness.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// The built assets, each file linked one by one, except the background ("8"), which is
// left out or replaced by its first 200 bytes.
void linkAssetsWithoutBackground(const Harness& h, bool truncated) {
    for (const auto& file : fs::directory_iterator(THORNVALE_ASSETS_DIR)) {
        std::string name = file.path().filename().string();
        if (name != "8.dk5") fs::create_symlink(file.path(), h.path("assets/" + name));
    }
    if (!truncated) return;
    std::ifstream in(std::string(THORNVALE_ASSETS_DIR) + "/8.dk5", std::ios::binary);
    std::string head(200, '\0');
    in.read(head.data(), 200);
    std::ofstream(h.path("assets/8.dk5"), std::ios::binary) << head;
}

void expectClearedFramesAndOneNamedLine(bool truncated) {
    Harness h({.linkAssets = false, .reuseLoadedAssets = false});
    linkAssetsWithoutBackground(h, truncated);
    testing::internal::CaptureStderr();
    h.boot();
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("\"background\" (assets/8.dk5) is missing or damaged"), std::string::npos) << errors;
    drawTarget().clear(sf::Color::Red);  // what the last frame left behind
    h.step();
    EXPECT_EQ(h.pixel(20, 580), sf::Color::Black) << "the old frame shows through";
    EXPECT_EQ(h.pixel(980, 20), sf::Color::Black);
}

}  // namespace

TEST(MissingAssets, WithoutTheBackgroundEveryFrameStartsBlack) { expectClearedFramesAndOneNamedLine(false); }

TEST(MissingAssets, WithATruncatedBackgroundEveryFrameStartsBlack) { expectClearedFramesAndOneNamedLine(true); }

// Pictures are decoded when first shown; a damaged one is named then and draws nothing.
TEST(MissingAssets, ADamagedPictureIsNamedWhenFirstShownAndDrawsNothing) {
    Harness h({.linkAssets = false, .reuseLoadedAssets = false});
    for (const auto& file : fs::directory_iterator(THORNVALE_ASSETS_DIR)) {
        std::string name = file.path().filename().string();
        if (name != "14.dk5") fs::create_symlink(file.path(), h.path("assets/" + name));
    }
    std::ifstream in(std::string(THORNVALE_ASSETS_DIR) + "/14.dk5", std::ios::binary);
    std::string head(300, '\0');
    in.read(head.data(), 300);
    std::ofstream(h.path("assets/14.dk5"), std::ios::binary) << head;
    h.boot();
    sf::Color before = h.pixel(500, 335);
    testing::internal::CaptureStderr();
    drawSprite("interact anvil", 500, 335);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("\"interact anvil\" (assets/14.dk5) is missing or damaged"), std::string::npos) << errors;
    EXPECT_EQ(h.pixel(500, 335), before) << "nothing drawn, not a white box";
}
