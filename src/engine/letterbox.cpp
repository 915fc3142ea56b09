// letterbox.cpp -- uniform scaling of the picture and the mapping of pointer pixels through it
#include "engine/letterbox.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <algorithm>
#include <cmath>

Letterbox letterboxFor(unsigned windowWidth, unsigned windowHeight) {
    Letterbox box;
    if (windowWidth == 0 || windowHeight == 0) return box;
    double scale = std::min(static_cast<double>(windowWidth) / viewWidth,
                            static_cast<double>(windowHeight) / viewHeight);
    box.width = std::max(1, static_cast<int>(std::lround(viewWidth * scale)));
    box.height = std::max(1, static_cast<int>(std::lround(viewHeight * scale)));
    box.left = (static_cast<int>(windowWidth) - box.width) / 2;
    box.top = (static_cast<int>(windowHeight) - box.height) / 2;
    return box;
}

sf::View letterboxView(unsigned windowWidth, unsigned windowHeight) {
    Letterbox box = letterboxFor(windowWidth, windowHeight);
    sf::View view(sf::FloatRect(0, 0, viewWidth, viewHeight));
    float w = static_cast<float>(std::max(1u, windowWidth)), h = static_cast<float>(std::max(1u, windowHeight));
    view.setViewport(sf::FloatRect(box.left / w, box.top / h, box.width / w, box.height / h));
    return view;
}

float pixelsPerViewUnit(const sf::RenderTarget& target) {
    const sf::View& view = target.getView();
    sf::IntRect port = target.getViewport(view);
    return std::min(port.width / view.getSize().x, port.height / view.getSize().y);
}

namespace {
// Exact for whole scales (a 1600 x 600 window maps pixel 800 to 500, not 499.99997);
// the small margin keeps a pixel that lands on a whole coordinate from falling below it.
int scaleToView(int offset, int pictureSize, int viewSize) {
    double position = static_cast<double>(offset) * viewSize / pictureSize;
    return static_cast<int>(std::trunc(position + (position >= 0 ? 1e-9 : -1e-9)));
}
}  // namespace

sf::Vector2i letterboxPixelToView(const Letterbox& box, int pixelX, int pixelY) {
    return {scaleToView(pixelX - box.left, box.width, viewWidth),
            scaleToView(pixelY - box.top, box.height, viewHeight)};
}

sf::Vector2i letterboxViewToPixel(const Letterbox& box, int viewX, int viewY) {
    // The first pixel whose own position maps back to the view point.
    auto toPixel = [](int v, int offset, int pictureSize, int viewSize) {
        return offset + static_cast<int>(std::ceil(static_cast<double>(v) * pictureSize / viewSize - 1e-9));
    };
    return {toPixel(viewX, box.left, box.width, viewWidth), toPixel(viewY, box.top, box.height, viewHeight)};
}
