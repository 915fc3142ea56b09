// gathering.cpp -- what every activity shares: closing the window, handing items over,
// the one ending of a gathering activity, the progress each press or step adds
#include "activities/gathering.h"

#include "engine/catalogue.h"
#include "engine/clock.h"
#include "engine/hooks.h"
#include "engine/platform.h"
#include "engine/sound.h"
#include "inventory/inventory.h"
#include "world/game_session.h"
#include "world/interaction_state.h"
#include "world/kinds.h"

void showCursorAgain() {
    if (!interaction.cursorHidden) return;
    platformSetCursorVisible(true);
    interaction.cursorHidden = false;
}

void closeInteraction(int delayMs) {
    InteractionState& w = interaction;
    if (w.windowPhase != WindowPhase::Open) return;
    // The pause holds closeAt, so a paused game keeps the window open.
    if (delayMs > 0) {
        w.closeScheduled = true;
        w.closeAt = nowMs() + delayMs;
        return;
    }
    w.windowPhase = WindowPhase::Closing;
    // A pending delayed close is overtaken; left set, it would hold the flying item back.
    w.closeScheduled = false;
    showCursorAgain();
}

// ---------------------------------------------------------------------------
// Items won

void grantItem(int item) {
    InteractionState& w = interaction;
    w.flyingItem = item;
    int slot = firstEmptySlot();
    if (slot >= 0) {
        session.Inventory[slot] = item;
        w.newItemMarks[slot] = true;
        w.flyActive = true;
    }
    w.flyX = 500;
    w.flyY = 300;
}

// The item waits in the panel while the finished window lingers, then flies up and
// right towards the bag button.
void drawFlyingItem() {
    InteractionState& w = interaction;
    if (!w.flyActive || w.flyingItem == 0 || w.closeScheduled) return;
    drawSprite(itemTextureName(w.flyingItem), w.flyX, w.flyY);
    w.flyX += 8;
    w.flyY -= 6;
    if (w.flyY < 0) {
        for (bool& mark : w.newItemMarks) mark = false;
        w.flyActive = false;
    }
}

// The one ending of woodcutting, mining and fishing. The object leaves its place, its
// item goes into the bag and both are saved in the same moment, so nothing that
// closes the window afterwards (Esc, a tap, the exit button) can part them.
void finishGathering() {
    InteractionState& w = interaction;
    w.ActivityProgress = activityDone;
    if (w.closeScheduled) return;
    closeInteraction(finishCloseDelayMs);
    if (isPond(w.selectedKind)) stopSound("pond ripple");  // the catch silences the water
    session.world.AreaContents[placeOfWisp()] = EmptyPlace;
    if (!w.itemGranted) {
        w.itemGranted = true;
        grantItem(w.selectedKind);  // object kind k yields item k
    }
    saveGameNow();
}

// ---------------------------------------------------------------------------
// Shared helpers

int placeOfWisp() {
    int place = session.player.playerX / 333;
    return place < 0 ? 0 : place > 2 ? 2 : place;
}

bool insidePanelArea(int x, int y) { return x >= 151 && x <= 849 && y >= 86 && y <= 584; }

double progressGain(const double (&gains)[6], int toolAdvantage) {
    int row = toolAdvantage + 3;
    return gains[row < 0 ? 0 : row > 5 ? 5 : row];
}
