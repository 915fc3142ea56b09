// letterbox.h -- the fixed 1000 x 600 picture scaled uniformly into a window of any size,
// centred, with black bars on the sides or above and below
#pragma once
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/View.hpp>

namespace sf {
class RenderTarget;
}

constexpr int viewWidth = 1000;   // every position of the game is in this view
constexpr int viewHeight = 600;

// Where the picture lies in a width x height window, in whole pixels.
struct Letterbox {
    int left = 0, top = 0;                          // the bar to the left, the bar above
    int width = viewWidth, height = viewHeight;     // the picture itself
};

Letterbox letterboxFor(unsigned windowWidth, unsigned windowHeight);
sf::View letterboxView(unsigned windowWidth, unsigned windowHeight);  // the view that draws into it
// How many of the target's pixels one view unit covers now (the smaller of across and
// down): 1 in a 1000 x 600 window, 1.92 at full screen on a 1920 x 1200 screen.
float pixelsPerViewUnit(const sf::RenderTarget& target);

// A window pixel in view coordinates, truncated toward zero as the pointer is read. A pixel
// on a bar gives a position outside 1..999 x 1..599, so it counts as outside the picture.
sf::Vector2i letterboxPixelToView(const Letterbox& box, int pixelX, int pixelY);
sf::Vector2i letterboxViewToPixel(const Letterbox& box, int viewX, int viewY);  // the pixel over a view point
