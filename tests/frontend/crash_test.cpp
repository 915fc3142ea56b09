// crash_test.cpp -- a game killed at any moment while saving leaves a whole save behind
#include "engine/save_files.h"
#include "frontend/save_game.h"
#include "world/game_session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <poll.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The child saves over and over, each save naming the round it belongs to, and
// tells the parent through `ready` once its first save is whole on disk.
[[noreturn]] void saveForever(int round, int ready) {
    for (int i = 0;; i++) {
        session.SaveName = "Crash " + std::to_string(round) + " " + std::to_string(i % 1000);
        session.player.playerX = i % 980;
        session.world.RunningSeed = 3000000000u + static_cast<uint32_t>(i);
        for (int k = 1; k <= 21; k++) session.ResearchLevel[k] = (i + k) % 101;
        saveGame();
        if (i == 0) {
            char done = 1;
            if (write(ready, &done, 1) != 1) _exit(1);
        }
    }
}

// Waits (bounded) for the child's first whole save; false when it never came.
bool firstSaveMade(int ready) {
    pollfd wait{ready, POLLIN, 0};
    char done = 0;
    return poll(&wait, 1, 10000) == 1 && read(ready, &done, 1) == 1;
}

// Every line a number where one belongs: a torn file would fail here.
void expectWholeSave(const std::vector<std::string>& lines, int round) {
    ASSERT_EQ(lines.size(), 53u) << "round " << round;
    std::string mark = "Crash " + std::to_string(round) + " ";
    EXPECT_EQ(lines[0].rfind(mark, 0), 0u) << "round " << round << ": " << lines[0];
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
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) saveForever(round, pipeEnds[1]);
        bool saving = firstSaveMade(pipeEnds[0]);
        if (saving) std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        if (!saving) {
            ADD_FAILURE() << "round " << round << ": the child never finished a save";
            break;
        }
        auto lines = readSavesFile("7.kv");
        if (!lines) {
            ADD_FAILURE() << "round " << round << ": once written, the save never disappears";
            break;
        }
        expectWholeSave(*lines, round);
    }
    fs::current_path(previous);
    fs::remove_all(folder);
}
