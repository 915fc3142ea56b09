// step_bench.cpp -- how long one game step takes to draw (run by hand, never as a test)
#include "engine/catalogue.h"
#include "engine/clock.h"
#include "engine/platform.h"
#include "engine/toolkit.h"
#include "game/frame_loop.h"

#include <chrono>
#include <cstdio>

int main() {
    sf::RenderTexture target;
    target.create(1000, 600);
    bindScripted(&target);
    useManualClock(100000);
    loadFonts();
    textureLoaderThread();
    while (createPendingTextures() > 0) {}
    placeStartingClouds();
    auto start = std::chrono::steady_clock::now();
    const int steps = 300;
    for (int i = 0; i < steps; i++) {
        advanceManualClock(34);
        runStep();
    }
    target.display();
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d steps, %.3f ms per step\n", steps, ms / steps);
    return 0;
}
