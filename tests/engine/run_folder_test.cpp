// run_folder_test.cpp -- where the game looks for assets/ and keeps saves/: beside the
// binary in a run folder, or installed with saves in the player's own data folder
#include "engine/run_folder.h"
#include "support/game_process.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

int permissionsOf(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return -1;
    return info.st_mode & 07777;
}

// <root>/usr/games (the binary's folder) beside <root>/usr/share/games/thornvale/assets.
std::string makeInstalledLayout(const TempFolder& root) {
    fs::create_directories(root.path + "/usr/games");
    fs::create_directories(root.path + "/usr/share/games/thornvale/assets");
    return root.path + "/usr/games";
}

}  // namespace

TEST(RunFolder, AssetsBesideTheBinaryMakeItsFolderTheRunFolder) {
    TempFolder root;
    fs::create_directory(root.path + "/assets");
    RunFolderPlan plan = planRunFolder(root.path, "/elsewhere/data", "/home/someone");
    EXPECT_EQ(plan.problem, "");
    EXPECT_FALSE(plan.installed);
    EXPECT_EQ(plan.workFolder, root.path) << "saves/ stays beside assets/ in the run folder";
    EXPECT_EQ(plan.assetsFolder, "assets");
}

TEST(RunFolder, InstalledGameKeepsSavesInXdgDataHome) {
    TempFolder root;
    std::string games = makeInstalledLayout(root);
    RunFolderPlan plan = planRunFolder(games, "/var/players/ann/data", "/home/ann");
    EXPECT_EQ(plan.problem, "");
    EXPECT_TRUE(plan.installed);
    EXPECT_EQ(plan.workFolder, "/var/players/ann/data/thornvale");
    EXPECT_EQ(plan.assetsFolder, root.path + "/usr/share/games/thornvale/assets");
}

TEST(RunFolder, InstalledGameWithoutXdgDataHomeUsesLocalShare) {
    TempFolder root;
    std::string games = makeInstalledLayout(root);
    EXPECT_EQ(planRunFolder(games, nullptr, "/home/ann").workFolder, "/home/ann/.local/share/thornvale");
    EXPECT_EQ(planRunFolder(games, "", "/home/ann").workFolder, "/home/ann/.local/share/thornvale");
    EXPECT_EQ(planRunFolder(games, "relative/data", "/home/ann").workFolder, "/home/ann/.local/share/thornvale")
        << "a relative XDG_DATA_HOME is ignored";
}

TEST(RunFolder, TwoPlayersGetTwoSavesFolders) {
    TempFolder root;
    std::string games = makeInstalledLayout(root);
    EXPECT_NE(planRunFolder(games, nullptr, "/home/ann").workFolder,
              planRunFolder(games, nullptr, "/home/bob").workFolder);
}

TEST(RunFolder, NoAssetsAnywhereNamesBothPlacesLookedIn) {
    TempFolder root;
    fs::create_directories(root.path + "/bin");
    RunFolderPlan plan = planRunFolder(root.path + "/bin", nullptr, "/home/ann");
    EXPECT_NE(plan.problem.find(root.path + "/bin/assets"), std::string::npos) << plan.problem;
    EXPECT_NE(plan.problem.find(root.path + "/share/games/thornvale/assets"), std::string::npos) << plan.problem;
    EXPECT_EQ(plan.problem.find('\n'), std::string::npos) << "one line";
}

TEST(RunFolder, InstalledGameWithoutAnyHomeRefusesToGuess) {
    TempFolder root;
    std::string games = makeInstalledLayout(root);
    RunFolderPlan plan = planRunFolder(games, nullptr, nullptr);
    EXPECT_FALSE(plan.problem.empty());
}

TEST(RunFolder, PrivateFoldersAreMadeWithTheirParents) {
    TempFolder root;
    std::string saves = root.path + "/home/.local/share/thornvale/saves";
    ASSERT_TRUE(makePrivateFolders(saves));
    EXPECT_EQ(permissionsOf(saves), 0700);
    EXPECT_EQ(permissionsOf(root.path + "/home/.local/share/thornvale"), 0700);
    EXPECT_TRUE(makePrivateFolders(saves)) << "a second start finds them there";
    EXPECT_EQ(permissionsOf(saves), 0700);
}

TEST(RunFolder, AssetFilesFollowTheAssetsFolder) {
    std::string kept = assetsFolder;
    EXPECT_EQ(assetFile("8"), "assets/8.dk5");
    assetsFolder = "/usr/share/games/thornvale/assets";
    EXPECT_EQ(assetFile("30"), "/usr/share/games/thornvale/assets/30.dk5");
    assetsFolder = kept;
}

// The real binary laid out as a package installs it, started from an empty folder with
// an empty home: saves appear in the home's data folder, private, and nothing in the
// start folder.
TEST(RunFolder, InstalledBinaryKeepsItsFilesInThePlayersHome) {
    TempFolder root, start, home;
    std::string games = makeInstalledLayout(root);
    fs::remove(root.path + "/usr/share/games/thornvale/assets");
    fs::create_directory_symlink(THORNVALE_ASSETS_DIR, root.path + "/usr/share/games/thornvale/assets");
    fs::copy_file(THORNVALE_GAME_BINARY, games + "/thornvale");
    GameProcess game(games + "/thornvale", start.path, {"HOME=" + home.path});
    std::string data = home.path + "/.local/share/thornvale";
    ASSERT_TRUE(game.waitForFile(data + "/saves/sF.kv")) << game.errors();
    game.stop();
    EXPECT_EQ(permissionsOf(data), 0700);
    EXPECT_EQ(permissionsOf(data + "/saves"), 0700);
    EXPECT_TRUE(fs::is_empty(start.path)) << "nothing is written where the game was started";
}

TEST(RunFolder, CopiedRunFolderStillKeepsSavesBesideTheBinary) {
    TempFolder run, start, home;
    fs::create_directory_symlink(THORNVALE_ASSETS_DIR, run.path + "/assets");
    fs::copy_file(THORNVALE_GAME_BINARY, run.path + "/thornvale");
    GameProcess game(run.path + "/thornvale", start.path, {"HOME=" + home.path});
    ASSERT_TRUE(game.waitForFile(run.path + "/saves/sF.kv")) << game.errors();
    game.stop();
    EXPECT_TRUE(fs::is_empty(start.path));
    EXPECT_TRUE(fs::is_empty(home.path));
}

TEST(RunFolder, MissingAssetsFolderGivesOneLineAndAFailingExit) {
    TempFolder run, start;
    fs::copy_file(THORNVALE_GAME_BINARY, run.path + "/thornvale");
    GameProcess game(run.path + "/thornvale", start.path, {});
    int status = game.waitForExit();
    EXPECT_NE(status, 0);
    std::string errors = game.errors();
    EXPECT_NE(errors.find("assets"), std::string::npos) << errors;
    EXPECT_NE(errors.find(run.path + "/assets"), std::string::npos) << "names where it looked: " << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << "exactly one line: " << errors;
    EXPECT_TRUE(fs::is_empty(start.path));
    EXPECT_FALSE(fs::exists(run.path + "/saves")) << "no saves folder for a game that cannot start";
}
