// pad_controls.cpp -- the pad's buttons as the keys they stand for, its D-pad in the menus, its walk
//
// The pad's pointer and its A and triggers are the mouse (engine/input.cpp); what is left
// is said here once: which key each button stands for and where, the D-pad's jumps
// between menu buttons, and the walk of the D-pad and the left stick as held A and D.
#include "game/pad_controls.h"

#include "activities/interaction.h"
#include "engine/app_state.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/key_actions.h"
#include "engine/pad_pointer.h"
#include "engine/platform.h"
#include "game/dispatch.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "tutorial/tutorial_speech.h"
#include "world/game_session.h"


namespace {

int walkApplied = 0;  // the pad's walk last turned into held keys: -1 A, 1 D, 0 none

bool windowOrPageOpen() {
    return interactionActive() || helpOpen() || inventoryPanel.open || checklistPage.open;
}

bool always() { return true; }
bool elderWaits() { return showing(GameScreen::Tutorial) && !helpOpen() && promptReady(); }
// The south button is also the left mouse button: it opens the object only where its
// press cannot be meant for a button, a page or a window.
bool nothingOpen() { return !windowOrPageOpen() && !pointerOnBarOrOpenPage(); }

struct PadAction {
    PadButton button;
    bool (*when)();
    KeyAction key;     // the key it stands for, acted on as the keyboard's
    void (*press)();   // or, for a button without a key, what it presses
};

// During play; the first row of a button whose condition holds is taken.
const PadAction padActions[] = {
    {PadB, always, KeyAction::Close, nullptr},        // Esc: the window or the help page closes
    {PadX, always, KeyAction::Bag, nullptr},          // E: the bag
    {PadY, always, KeyAction::Checklist, nullptr},    // Q: the checklist
    {PadStart, always, KeyAction::None, pressHelpButton},
    {PadA, elderWaits, KeyAction::Confirm, nullptr},  // Enter: the elder's speech moves on
    {PadA, nothingOpen, KeyAction::Interact, nullptr},  // Space: the object in front opens
};

void pressInPlay(PadButton button) {
    for (const PadAction& action : padActions) {
        if (action.button != button || !action.when()) continue;
        if (action.press) action.press();
        else runKeyAction(action.key);
        return;
    }
}

// In the menus the D-pad jumps the pointer from button to button.
void pressInMenus(PadButton button) {
    if (button == PadUp) snapPadPointer(0, -1);
    else if (button == PadDown) snapPadPointer(0, 1);
    else if (button == PadLeft) snapPadPointer(-1, 0);
    else if (button == PadRight) snapPadPointer(1, 0);
}

// The pad's walk holds A or D as the keyboard would; letting go keeps a key still held.
void followPadWalk(int direction) {
    if (direction == walkApplied) return;
    PlayerState& p = session.player;
    if (walkApplied < 0) p.moveLeftHeld = p.moveLeftHeld && walkKeyHeld(KeyAction::WalkLeft);
    if (walkApplied > 0) p.moveRightHeld = p.moveRightHeld && walkKeyHeld(KeyAction::WalkRight);
    if (direction < 0) p.moveLeftHeld = true;
    else if (direction > 0) p.moveRightHeld = true;
    walkApplied = direction;
}

}  // namespace

void runPadControls() {
    bool listening = platformHasFocus() && !app.loadingScreenOn;
    setLeftStickPoints(!playing() || windowOrPageOpen());
    platformHideCursorForPad(padInUse);
    std::vector<PadButton> presses = takePadPresses();  // taken even when ignored
    followPadWalk(listening && playing() ? padWalkDirection() : 0);
    if (!listening) return;
    for (PadButton button : presses) {
        if (playing()) pressInPlay(button);
        else pressInMenus(button);
    }
}

void resetPadControls() { walkApplied = 0; }
