// game_screen.cpp -- one step of the game screen, every layer in drawing order
#include "game/game_screen.h"

#include "activities/interaction.h"
#include "engine/catalogue.h"
#include "game/game_end.h"
#include "inventory/hud.h"
#include "world/area_objects.h"
#include "world/game_session.h"
#include "world/kinds.h"
#include "world/player.h"
#include "world/scenery.h"

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
