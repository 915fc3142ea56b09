// cover.cpp -- splitting a rectangle around the covered one
#include "engine/cover.h"

#include <algorithm>

namespace {
bool active = false;
sf::FloatRect covered;  // view coordinates, whole pixels
}  // namespace

void coverRect(const sf::IntRect& area) {
    covered = sf::FloatRect(area);
    active = true;
}

void uncover() { active = false; }

bool coverActive() { return active; }

int uncoveredParts(const sf::FloatRect& r, sf::FloatRect parts[4]) {
    sf::FloatRect inside;
    if (!active || !r.intersects(covered, inside)) {
        parts[0] = r;
        return 1;
    }
    int n = 0;
    auto add = [&](float left, float top, float right, float bottom) {
        if (right > left && bottom > top) parts[n++] = sf::FloatRect(left, top, right - left, bottom - top);
    };
    float right = r.left + r.width, bottom = r.top + r.height;
    float inRight = inside.left + inside.width, inBottom = inside.top + inside.height;
    add(r.left, r.top, right, inside.top);            // above
    add(r.left, inBottom, right, bottom);             // below
    add(r.left, inside.top, inside.left, inBottom);   // left
    add(inRight, inside.top, right, inBottom);        // right
    return n;
}
