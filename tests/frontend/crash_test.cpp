// crash_test.cpp -- a game killed at any moment while saving leaves a whole save behind
#include "frontend/save_files.h"
#include "frontend/save_game.h"
#include "world/game_session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

[[noreturn]] void saveForever() {
    for (int i = 0;; i++) {
        session.SaveName = "Crash " + std::to_string(i % 1000);
        session.player.playerX = i % 980;
        session.world.RunningSeed = 3000000000u + static_cast<uint32_t>(i);
        for (int k = 1; k <= 21; k++) session.ResearchLevel[k] = (i + k) % 101;
        saveGame();
    }
}

// Every line a number where one belongs: a torn file would fail here.
void expectWholeSave(const std::vector<std::string>& lines, int round) {
    ASSERT_EQ(lines.size(), 53u) << "round " << round;
    EXPECT_EQ(lines[0].rfind("Crash ", 0), 0u) << "round " << round;
    for (size_t i = 1; i < 53; i++) EXPECT_TRUE(parseInt(lines[i]).has_value()) << "round " << round << " line " << i + 1;
}

}  // namespace

TEST(SaveCrash, KilledWhileSavingNeverLeavesATornFile) {
    char templ[] = "/tmp/thornvale-crash-XXXXXX";
    std::string folder = mkdtemp(templ);
    fs::path previous = fs::current_path();
    fs::current_path(folder);
    fs::create_directory("saves");
    session = GameSession{};
    session.SaveNumber = 7;
    std::mt19937 random(2024);
    int rounds = 60;
    for (int round = 0; round < rounds; round++) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) saveForever();
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 20000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        auto lines = readSavesFile("7.kv");
        if (lines) expectWholeSave(*lines, round);
        else EXPECT_EQ(round, 0) << "once written, the save never disappears";
    }
    fs::current_path(previous);
    fs::remove_all(folder);
}
