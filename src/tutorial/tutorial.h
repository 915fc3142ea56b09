// tutorial.h -- the elder's scripted lessons on the program's own game state
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct TutorialState {
    int32_t tutorialStep = 0;       // current step of the script, 0..60
    bool stepEntered = true;        // the step's one-time setup is still to run
    int32_t stepStartTime = 0;      // nowMs when the current step began
    int32_t readDelay = 0;          // ms: 16 per character of the line being said
    double arrowOffset = 0;         // px the pointing arrow has bobbed
    double arrowSpeed = 2;          // px per step, negated at the ends of the bob
    double arrowMaximum = 30;       // px the bob reaches
    double arrowRotation = 0;       // degrees, set by a walk-in for the next lesson
    double elderAlpha = 0;          // opacity while the elder fades in at step 1
    double elderAngle = 0;          // degrees the elder sprite is turned
    double elderSpin = 0;           // degrees per step
    int32_t elderSpinChanged = 0;   // nowMs of the last spin change
    int32_t endingCounter = 0;      // the black overlay's alpha at step 60, then on to 400
    bool wasInTransition = false;   // the walk between areas ran in the last step
};

extern TutorialState tutorial;

constexpr int tutorialSaveLines = 33;  // step, wisp x, seconds, nine slots, 21 research values

void startTutorial();               // fresh, or resumed from saves/tS.kv for a new player
void tutorialFrame();               // one step of the tutorial screen
void onTutorialClick();             // a press while the tutorial runs
void onTutorialText(uint32_t c);    // a typed character while the tutorial runs
void saveTutorial();                // saves/tS.kv, only for a player who never started a game
void leaveTutorial();               // the exit button: back to the title screen
std::vector<std::string> tutorialSaveLinesNow();  // the 33 lines saveTutorial writes

// The tutorial's differences from the game: its answers to the questions the rules
// ask (world/tutorial_rules.h), installed at start-up.
void installTutorialRules();
void tutorialReachedNextArea();     // the walk between areas is at its black moment

// The script's table (tutorial_script.cpp).
bool isTextStep(int step);
std::vector<std::string> elderSpeech(int step, bool touch, bool newPlayer);  // lines; empty: silent
bool speechIsPreset(int step);      // given as separate lines, drawn without wrapping

// The elder, the bubble and the arrow (tutorial_speech.cpp).
void drawElder();
void drawSpeech(const std::vector<std::string>& lines, bool wrap);
std::vector<std::string> wrapSpeech(const std::string& text, int maxWidth);
void setArrow(double speed, double maximum);
void drawArrowForStep(int step);
bool promptReady();                 // a text step may be advanced now
void drawContinuePrompt();
