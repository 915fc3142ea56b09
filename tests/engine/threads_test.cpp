// threads_test.cpp -- the real start-up threads: loaders and pointer beside the loading screen
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/input.h"
#include "engine/sound.h"
#include "game/frame_loop.h"
#include "support/harness.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

TEST(Threads, StartupWithTheRealThreadsReachesTheFirstScreen) {
    Harness h({.reuseLoadedAssets = false});
    h.moveTo(500, 300);
    clearCatalogue();
    destroySounds();
    startupLoad();
    startLoaderThreads();  // pointer, texture and sound threads, as the game starts them
    int passes = 0;
    while (app.loadingScreenOn && passes < 3000) {
        h.step();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        passes++;
    }
    EXPECT_FALSE(app.loadingScreenOn);
    EXPECT_EQ(app.loadProgress, 217);
    EXPECT_EQ(catalogue.sprites.size(), 197u);
    for (int i = 0; i < 200 && app.loadersRunning > 0; i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(app.loadersRunning, 0);
    h.step(5);  // the first screen with its clouds
    EXPECT_TRUE(pointerThreadRunning());
    app.quitRequested = true;  // the pointer thread ends on it
    for (int i = 0; i < 400 && pointerThreadRunning(); i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(pointerThreadRunning());
}
