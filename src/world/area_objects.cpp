// area_objects.cpp -- the three objects of an area: where they stand, drawing them, pointing at them
#include "world/area_objects.h"

#include "engine/catalogue.h"
#include "engine/input.h"
#include "world/game_session.h"
#include "world/kinds.h"

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

bool pointerOverObject(int kind, int slot) {
    if (kind == -1 || slot == -1) {
        slot = pointer.pointerX / 333;
        if (slot < 0 || slot > 2) return false;
        kind = session.world.AreaContents[slot];
    }
    const HitBox* box = objectHitBox(kind);
    if (!box) return false;
    return pointerInRectInt(objectPlaceX(slot), box->centreY, box->width, box->height);
}
