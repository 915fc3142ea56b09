// save_failure_test.cpp -- a save that cannot be written is shown to the player and retried;
// a save that was written survives a power cut (the folder is synced after the rename)
#include "engine/app_state.h"
#include "engine/save_files.h"
#include "engine/settings.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "support/play.h"
#include "world/game_session.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <filesystem>
#include <mutex>
#include <unistd.h>

namespace fs = std::filesystem;

// Every fsync of the test program passes through here, so a test can see which files
// and folders were flushed to disk, and in which order.
namespace {
std::mutex syncedMutex;
bool recordingSyncs = false;
std::vector<std::string> syncedPaths;
}  // namespace

extern "C" int fsync(int fd) {
    static auto realFsync = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    std::lock_guard<std::mutex> lock(syncedMutex);
    if (recordingSyncs) {
        char target[4096];
        ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target - 1);
        syncedPaths.push_back(n > 0 ? std::string(target, static_cast<size_t>(n)) : "?");
    }
    return realFsync(fd);
}

namespace {

std::vector<std::string> recordSyncs(void (*action)()) {
    {
        std::lock_guard<std::mutex> lock(syncedMutex);
        syncedPaths.clear();
        recordingSyncs = true;
    }
    action();
    std::lock_guard<std::mutex> lock(syncedMutex);
    recordingSyncs = false;
    return syncedPaths;
}

// Pixels of the dark red notice box below the HUD bar.
int noticePixels(Harness& h) {
    sf::Image picture = h.screenshot();
    int n = 0;
    for (int x = 332; x < 668; x += 2)
        for (int y = 78; y < 106; y += 2) {
            sf::Color c = picture.getPixel(x, y);
            n += c.r > 110 && c.g < 70 && c.b < 70;
        }
    return n;
}

void walkIntoTheNextArea(Harness& h) {
    int areas = session.world.AreaCounter;
    h.holdKey(sf::Keyboard::D);
    for (int i = 0; i < 400 && session.world.AreaCounter == areas; i++) h.step();
    h.releaseKey(sf::Keyboard::D);
    h.step(3);
    ASSERT_GT(session.world.AreaCounter, areas);
}

}  // namespace

TEST(SaveFailure, AFailedSaveIsShownAndReportedAndTheNextSaveTriesAgain) {
    Harness h(returningPlayer());
    h.boot();
    h.standInGame(42);
    ASSERT_EQ(session.SaveNumber, 1);
    h.step();
    EXPECT_LT(noticePixels(h), 20) << "no notice while saving works";
    fs::create_directory(h.path("saves/1.kv.tmp"));  // the save's temporary file cannot be made
    std::string before = h.readFile("saves/1.kv");
    testing::internal::CaptureStderr();
    walkIntoTheNextArea(h);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("could not save saves/1.kv: Is a directory"), std::string::npos) << errors;
    EXPECT_EQ(h.readFile("saves/1.kv"), before) << "the old save is left whole";
    EXPECT_GT(noticePixels(h), 500) << "the player sees that progress is not saved";
    h.saveScreenshot("save_failed_notice");
    fs::remove(h.path("saves/1.kv.tmp"));
    walkIntoTheNextArea(h);
    EXPECT_EQ(splitLines(h.readFile("saves/1.kv"))[39], std::to_string(session.world.AreaCounter));
    EXPECT_LT(noticePixels(h), 20) << "gone once a save works again";
}

TEST(SaveFailure, WithSavesARegularFileNothingClaimsToBeSavedUntilTheFolderIsBack) {
    Harness h(returningPlayer());
    h.boot();
    fs::remove_all(h.path("saves"));
    h.writeFile("saves", "not a folder");
    testing::internal::CaptureStderr();
    h.standInGame(7);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("could not save saves/sL.kv: Not a directory"), std::string::npos) << errors;
    EXPECT_NE(errors.find("could not save saves/1.kv: Not a directory"), std::string::npos) << errors;
    h.step();
    EXPECT_TRUE(savesFailing());
    EXPECT_GT(noticePixels(h), 500);
    fs::remove(h.path("saves"));
    fs::create_directory(h.path("saves"));
    walkIntoTheNextArea(h);
    EXPECT_FALSE(savesFailing());
    EXPECT_EQ(h.readFile("saves/sL.kv"), "2\n1\n") << "the list that failed is written at the next save";
    EXPECT_TRUE(h.fileExists("saves/1.kv"));
    EXPECT_LT(noticePixels(h), 20);
}

TEST(SaveFailure, TheMenusShowTheNoticeToo) {
    Harness h(returningPlayer());
    h.boot();
    fs::create_directory(h.path("saves/sF.kv.tmp"));
    writeSettings();
    h.step();
    EXPECT_GT(noticePixels(h), 500) << "on the title screen";
    fs::remove(h.path("saves/sF.kv.tmp"));
    session.SaveNumber = 0;
    writeSaveList();  // any later write tries the settings again
    EXPECT_EQ(h.readFile("saves/sF.kv"), settingsFile().second);
    h.step();
    EXPECT_LT(noticePixels(h), 20);
}

TEST(SaveDurability, TheSavesFolderIsFlushedAfterTheFileIsRenamedIntoIt) {
    Harness h;
    h.boot();
    session.SaveNumber = 3;
    session.SaveName = "Durable";
    std::vector<std::string> synced = recordSyncs([] { saveGame(); });
    std::string folder = fs::canonical(h.path("saves")).string();
    ASSERT_GE(synced.size(), 2u);
    EXPECT_EQ(synced[synced.size() - 2], folder + "/3.kv.tmp") << "the new file first";
    EXPECT_EQ(synced.back(), folder) << "then the folder that now names it";
}
