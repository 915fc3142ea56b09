// tutorial_state.h -- where the elder's lessons stand
#pragma once
#include "tutorial/step_table.h"

#include <cstdint>

struct TutorialState {
    Step tutorialStep = Step::Arrival;  // current step of the script
    bool stepEntered = true;        // the step's one-time setup is still to run
    int32_t stepStartTime = 0;      // nowMs when the current step began
    int32_t readDelay = 0;          // ms: 16 per character of the line being said
    double arrowOffset = 0;         // px the pointing arrow has bobbed
    double arrowSpeed = 2;          // px per step, negated at the ends of the bob
    double arrowMaximum = 30;       // px the bob reaches
    double arrowRotation = 0;       // degrees, set by a walk-in for the next lesson
    double elderAlpha = 0;          // opacity while the elder fades in
    double elderAngle = 0;          // degrees the elder sprite is turned
    double elderSpin = 0;           // degrees per step
    int32_t elderSpinChanged = 0;   // nowMs of the last spin change
    int32_t endingCounter = 0;      // the black overlay's alpha at the last step, then on to 400
    bool wasInTransition = false;   // the walk between areas ran in the last step
    bool touchWalkStarted = false;  // touch, the walking lesson: a walk target was set by a tap
    int researchAtLessonStart = 0;  // Cooked Bass's research level when the research lesson began
};

extern TutorialState tutorial;

constexpr int tutorialSaveLines = 33;  // step, wisp x, seconds, nine slots, 21 research values
