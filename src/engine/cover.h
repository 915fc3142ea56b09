// cover.h -- a rectangle that an opaque picture will cover later in the same step
//
// While the interaction window stands open, its panel hides most of the view; the
// layers drawn before it (sky, scenery, shades) leave that rectangle out instead of
// filling pixels nobody will see. The picture is the same; the renderer does less.
#pragma once
#include <SFML/Graphics/Rect.hpp>

void coverRect(const sf::IntRect& area);  // from now until uncover(), draws leave area out
void uncover();                           // before the covering picture itself is drawn
bool coverActive();

// The parts of r outside the cover, at most four (above, below, left, right); all of r
// when nothing is covered, none when r lies wholly under the cover.
int uncoveredParts(const sf::FloatRect& r, sf::FloatRect parts[4]);
