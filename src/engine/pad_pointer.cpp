// pad_pointer.cpp -- the D-pad's jumps between the buttons on show, and the pad's pointer sprite
#include "engine/pad_pointer.h"

#include "engine/catalogue.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "engine/run_folder.h"

#include <SFML/Graphics.hpp>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct Target {
    int x, y;  // a button's centre
};
std::vector<Target> targets;  // drawn this step (main thread only)

// A button straight ahead beats a nearer one off to the side: the sideways distance
// counts twice. Nothing behind the pointer or beside it counts.
long snapCost(int ax, int ay, const Target& t, int dx, int dy) {
    long along = static_cast<long>(t.x - ax) * dx + static_cast<long>(t.y - ay) * dy;
    long across = std::labs(static_cast<long>(t.x - ax) * dy - static_cast<long>(t.y - ay) * dx);
    if (along <= 0 || across > 3 * along) return -1;
    return along + 2 * across;
}

// Loaded at its first showing, beside the catalogue: the loading screen counts only
// what every player sees. Made then too, as a texture needs a display to exist. Like
// the catalogue's pictures, it has a twin at twice its size for an enlarged view.
std::unique_ptr<sf::Texture> pictures[2];  // at its own size, at twice its size

const sf::Texture* pointerPicture(bool large) {
    std::unique_ptr<sf::Texture>& picture = pictures[large];
    if (!picture) {
        picture = std::make_unique<sf::Texture>();
        // a missing file is reported once; without its twin the small one is enlarged
        picture->loadFromFile(large ? largeAssetFile(padPointerCode) : assetFile(padPointerCode));
        picture->setSmooth(large);
    }
    if (picture->getSize().x > 0) return picture.get();
    return large ? pointerPicture(false) : nullptr;
}

}  // namespace

void clearPadTargets() { targets.clear(); }

void addPadTarget(int cx, int cy) { targets.push_back({cx, cy}); }

bool snapPadPointer(int dx, int dy) {
    if (targets.empty()) return false;
    // A pointer outside the window starts from the first button of the screen.
    if (pointer.pointerOutside) {
        warpPadPointer(targets.front().x, targets.front().y);
        return true;
    }
    const Target* best = nullptr;
    long bestCost = 0;
    for (const Target& t : targets) {
        long cost = snapCost(pointer.pointerX, pointer.pointerY, t, dx, dy);
        if (cost > 0 && (!best || cost < bestCost)) {
            best = &t;
            bestCost = cost;
        }
    }
    if (!best) return false;
    warpPadPointer(best->x, best->y);
    return true;
}

void drawPadPointer() {
    if (!padInUse || !platformCursorVisible() || pointer.pointerOutside) return;
    const sf::Texture* picture = pointerPicture(showsLargePictures(drawTarget()));
    if (!picture) return;
    sf::Sprite sprite(*picture);
    sprite.setOrigin(sf::Vector2f(picture->getSize()) / 2.f);
    if (picture == pictures[1].get()) sprite.setScale(0.5f, 0.5f);
    sprite.setPosition(static_cast<float>(pointer.pointerX), static_cast<float>(pointer.pointerY));
    drawTarget().draw(sprite);
}
