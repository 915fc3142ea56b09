// play_helpers.h -- starting a world straight from a seed, with no menus in the way
#pragma once
#include "engine/app_state.h"
#include "support/play.h"
#include "world/game_session.h"
#include "world/generator.h"
#include "world/player.h"

// Boots the program and starts a game on the given seed: the wisp is high above,
// the arrival beam about to come down.
inline void startPlaying(Harness& h, long long seed) {
    h.boot();
    session = GameSession{};
    prepareNewGamePlayer();
    startWorld(seed);
    changeScreen(GameScreen::Game);
}

constexpr int arrivalBeamSteps = 110 + 110 + 55;  // down, wisp sinks, withdraws

// Starts a game with the wisp standing in its first area as a loaded game leaves it:
// on the ground at x 100, in control, the beam skipped.
inline void startStanding(Harness& h, long long seed) { standInNewGame(h, seed); }
