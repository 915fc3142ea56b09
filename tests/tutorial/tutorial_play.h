// tutorial_play.h -- starting the tutorial as a player does, resuming it at a chosen
// step from its file, and pressing Enter the moment the elder lets the player go on
#pragma once
#include "activities/interaction.h"
#include "engine/app_state.h"
#include "engine/input.h"
#include "frontend/save_list.h"
#include "support/play.h"
#include "tutorial/tutorial.h"
#include "tutorial/tutorial_file.h"
#include "tutorial/tutorial_resume.h"
#include "tutorial/tutorial_script.h"
#include "tutorial/tutorial_speech.h"
#include "world/game_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The 33 lines of a tutorial file: step, wisp x, seconds, nine slots, 21 research values.
inline std::string tutorialFile(int step, int x, std::vector<int> bag = {13, 16, 19}, int seconds = 0) {
    std::string text = std::to_string(step) + "\n" + std::to_string(x) + "\n" + std::to_string(seconds) + "\n";
    bag.resize(9, 0);
    for (int item : bag) text += std::to_string(item) + "\n";
    for (int k = 1; k <= 21; k++) text += "0\n";
    return text;
}

// Boots and presses the title screen's Play, as a first-time player does.
inline void pressPlay(Harness& h) {
    h.boot();
    h.menuPress(500, 500);
    for (int i = 0; i < 20 && app.loadingScreenOn; i++) h.step();
    ASSERT_TRUE(showing(GameScreen::Tutorial));
}

inline int tutorialStepNow() { return stepNumber(tutorial.tutorialStep); }

// Steps until the elder's prompt shows, then Enter.
inline void continueWhenReady(Harness& h) {
    for (int i = 0; i < 400 && !promptReady(); i++) h.step();
    ASSERT_TRUE(promptReady()) << "no prompt at step " << tutorialStepNow();
    h.typeCode(13);
    h.step();
}

inline void stepUntil(Harness& h, int step, int limit = 600) {
    for (int i = 0; i < limit && tutorialStepNow() != step; i++) h.step();
    ASSERT_EQ(tutorialStepNow(), step);
}

inline int countInBag(int item) {
    int n = 0;
    for (int slot : session.Inventory) n += slot == item;
    return n;
}

inline std::vector<std::string> tutorialFileLines(Harness& h) { return splitLines(h.readFile("saves/tS.kv")); }
