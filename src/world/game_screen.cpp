// game_screen.cpp -- one step of the game screen, every layer in drawing order
#include "world/game_screen.h"

#include "activities/interaction.h"
#include "app/catalogue.h"
#include "app/game_end.h"
#include "inventory/hud.h"
#include "world/game_session.h"
#include "world/kinds.h"
#include "world/player.h"
#include "world/scenery.h"

int objectPlaceX(int slot) { return 170 + 330 * slot; }

// The close-up of a tree or the fire pit scales the same image, so the world
// draw puts it back to its own size.
void drawAreaObjects() {
    preparePicture("interaction");
    for (int slot = 0; slot < 3; slot++) {
        int kind = session.world.AreaContents[slot];
        if (kind < 1 || kind > 11) continue;
        std::string name = objectTextureName(kind);
        scaleSprite(name, 1.0);
        drawSprite(name, objectPlaceX(slot), objectDrawY(kind));
        preparePicture(interactionTextureName(kind));  // the close-up it may open
    }
}

void drawGameScreen() {
    drawSceneryBehind();
    drawAreaObjects();
    drawSceneryInFront();
    drawWisp();
    if (!session.player.arrivalBeam) tickPlayTimer();
    drawInteraction();
    drawFlyingItem();
    runGameEnd();
    tickWorldClocks();
    runTransitionOrBeam();
    drawHud();
}
