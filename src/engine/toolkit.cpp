// toolkit.cpp -- the drawing toolkit: filled shapes in currentFillColour and text labels
#include "engine/toolkit.h"

#include "engine/asset_table.h"
#include "engine/cover.h"
#include "engine/letterbox.h"
#include "engine/platform.h"
#include "engine/run_folder.h"

#include <cmath>
#include <vector>

sf::Color currentFillColour = sf::Color(0, 0, 0, 255);
sf::Font defaultFont;
sf::Font uiFont;

void loadFonts() {
    defaultFont.loadFromFile(assetFile(defaultFontCode));
    uiFont.loadFromFile(assetFile(uiFontCode));
}

void setFill(int r, int g, int b, int a) { currentFillColour = sf::Color(r, g, b, a); }

namespace {
void drawRect(float left, float top, float w, float h, sf::Color colour) {
    sf::FloatRect parts[4];
    int count = uncoveredParts(sf::FloatRect(left, top, w, h), parts);
    for (int i = 0; i < count; i++) {
        sf::RectangleShape rect(sf::Vector2f(parts[i].width, parts[i].height));
        rect.setPosition(parts[i].left, parts[i].top);
        rect.setFillColor(colour);
        drawTarget().draw(rect);
    }
}
}  // namespace

void shadeView(int alpha) { drawRect(0, 0, 1000, 600, sf::Color(0, 0, 0, alpha)); }

void fillRectCentred(int cx, int cy, int w, int h) {
    drawRect(static_cast<float>(cx - w / 2), static_cast<float>(cy - h / 2), w, h, currentFillColour);
}

void fillBarFromLeft(int x, int cy, int h, int length) {
    drawRect(static_cast<float>(x), static_cast<float>(cy - h / 2), length, h, currentFillColour);
}

void frameRect(int cx, int cy, float w, float h) {
    int top = static_cast<int>(cy - h / 2 - 1), bottom = static_cast<int>(cy + h / 2 + 1);
    int left = static_cast<int>(cx - w / 2 - 1), right = static_cast<int>(cx + w / 2 + 1);
    int width = static_cast<int>(w), height = static_cast<int>(h + 5);
    fillRectCentred(cx, top, width, 3);
    fillRectCentred(cx, bottom, width, 3);
    fillRectCentred(left, cy, 3, height);
    fillRectCentred(right, cy, 3, height);
}

void frameRectInt(int cx, int cy, int w, int h) {
    fillRectCentred(cx, cy - h / 2 - 1, w, 3);
    fillRectCentred(cx, cy + h / 2 + 1, w, 3);
    fillRectCentred(cx - w / 2 - 1, cy, 3, h + 5);
    fillRectCentred(cx + w / 2 + 1, cy, 3, h + 5);
}

void fillRectCentredF(int cx, int cy, float w, float h) {
    drawRect(cx - w / 2, cy - h / 2, w, h, currentFillColour);
}

void drawDot(int x, int y) {
    sf::CircleShape dot(10, 30);
    dot.setOrigin(10, 10);
    dot.setPosition(static_cast<float>(x), static_cast<float>(y));
    dot.setFillColor(currentFillColour);
    drawTarget().draw(dot);
}

void drawThickLine(int x1, int y1, int x2, int y2, float thickness, sf::Color colour) {
    double dx = x2 - x1, dy = y2 - y1, length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) return;
    double nx = -dy / length * thickness / 2, ny = dx / length * thickness / 2;
    sf::Vertex quad[4] = {
        sf::Vertex(sf::Vector2f(x1 + nx, y1 + ny), colour),
        sf::Vertex(sf::Vector2f(x2 + nx, y2 + ny), colour),
        sf::Vertex(sf::Vector2f(x2 - nx, y2 - ny), colour),
        sf::Vertex(sf::Vector2f(x1 - nx, y1 - ny), colour),
    };
    drawTarget().draw(quad, 4, sf::Quads);
}

namespace {

// How view points land on the target's pixels (the view is never rotated).
struct PixelGrid {
    sf::Vector2f corner;   // the view's top left, view units
    sf::Vector2f origin;   // the viewport's top left, pixels
    sf::Vector2f scale;    // pixels per view unit, across and down

    // The view point over the whole pixel corner nearest to p.
    sf::Vector2f snap(sf::Vector2f p) const {
        float px = std::round(origin.x + (p.x - corner.x) * scale.x);
        float py = std::round(origin.y + (p.y - corner.y) * scale.y);
        return {corner.x + (px - origin.x) / scale.x, corner.y + (py - origin.y) / scale.y};
    }
};

PixelGrid pixelGridOf(const sf::RenderTarget& target) {
    const sf::View& view = target.getView();
    sf::IntRect port = target.getViewport(view);
    sf::Vector2f origin(static_cast<float>(port.left), static_cast<float>(port.top));
    return {view.getCenter() - view.getSize() / 2.f, origin,
            sf::Vector2f(port.width / view.getSize().x, port.height / view.getSize().y)};
}

// One glyph of the window-size font, texel for pixel, its top left on a whole pixel and
// its ink centred where the label-size glyph has its ink (hinting rounds the small
// glyph's advance, so pen positions alone would leave uneven gaps); like sf::Text, the
// quad takes one texel of the page's empty border on every side.
void addGlyph(std::vector<sf::Vertex>& out, sf::Vector2f pen, const sf::Glyph& small, const sf::Glyph& glyph,
              const PixelGrid& grid, sf::Color colour) {
    const float border = 1;
    sf::FloatRect t(glyph.textureRect);
    float inkCentre = small.bounds.left + small.bounds.width / 2;
    float left = inkCentre - glyph.bounds.width / 2 / grid.scale.x;
    float top = (glyph.bounds.top - border) / grid.scale.y;
    sf::Vector2f a = grid.snap(pen + sf::Vector2f(left - border / grid.scale.x, top));
    sf::Vector2f b = a + sf::Vector2f((t.width + 2 * border) / grid.scale.x, (t.height + 2 * border) / grid.scale.y);
    sf::Vector2f ta(t.left - border, t.top - border), tb(t.left + t.width + border, t.top + t.height + border);
    sf::Vertex corners[4] = {{a, colour, ta}, {{b.x, a.y}, colour, {tb.x, ta.y}}, {b, colour, tb},
                             {{a.x, b.y}, colour, {ta.x, tb.y}}};
    for (int i : {0, 1, 3, 3, 1, 2}) out.push_back(corners[i]);
}

// The letters of a label in a window that enlarges (or shrinks) the view, rasterised at
// the window's own size. Each glyph stands where sf::Text puts it at the label's own
// size (the same advances, kerning, spaces and lines, so widths and wrapping stay as
// measured); only its picture comes from the font at the window's size.
void drawSharpText(const sf::Text& text, const sf::Font& font, unsigned sharpSize, sf::RenderTarget& target) {
    unsigned size = text.getCharacterSize();
    PixelGrid grid = pixelGridOf(target);
    float space = font.getGlyph(U' ', size, false).advance, lineSpacing = font.getLineSpacing(size);
    sf::Vector2f pen(0, static_cast<float>(size));
    sf::Uint32 previous = 0;
    static std::vector<sf::Vertex> vertices;  // kept between labels: drawn on every step
    vertices.clear();
    for (sf::Uint32 c : text.getString()) {
        if (c == U'\r') continue;
        pen.x += font.getKerning(previous, c, size);
        previous = c;
        if (c == U' ' || c == U'\t') {
            pen.x += c == U' ' ? space : 4 * space;
        } else if (c == U'\n') {
            pen = {0, pen.y + lineSpacing};
        } else {
            const sf::Glyph& small = font.getGlyph(c, size, false);
            addGlyph(vertices, text.getTransform().transformPoint(pen), small, font.getGlyph(c, sharpSize, false), grid,
                     text.getFillColor());
            pen.x += small.advance;
        }
    }
    target.draw(vertices.data(), vertices.size(), sf::Triangles, sf::RenderStates(&font.getTexture(sharpSize)));
}

// At the view's own scale, and for anything but a plain label, sf::Text draws as ever.
void drawText(const sf::Text& text, sf::RenderTarget& target) {
    const sf::Font* font = text.getFont();
    unsigned size = text.getCharacterSize();
    auto sharpSize = static_cast<unsigned>(std::lround(size * pixelsPerViewUnit(target)));
    bool plain = text.getStyle() == sf::Text::Regular && text.getOutlineThickness() == 0 &&
                 text.getLetterSpacing() == 1 && text.getLineSpacing() == 1 && text.getRotation() == 0 &&
                 text.getScale() == sf::Vector2f(1, 1);
    if (font && plain && sharpSize != size && sharpSize > 0) drawSharpText(text, *font, sharpSize, target);
    else target.draw(text);
}

}  // namespace

TextLabel::TextLabel(const std::string& s, int x, int y) : defaultX(x), defaultY(y) {
    text.setFont(defaultFont);
    text.setString(sf::String(s, std::locale()));
}

void TextLabel::setString(const std::string& s) { text.setString(sf::String(s, std::locale())); }

// Centred and right-aligned labels get an even origin so they sit on whole pixels;
// a centred label whose half width is odd moves one pixel left.
int TextLabel::originX() const {
    return labelOriginX(static_cast<int>(text.getLocalBounds().width), alignment);
}

int labelOriginX(int w, int alignment) {
    if (alignment == AlignLeft) return 0;
    if (alignment == AlignRight) return w + (w % 2);
    int half = w / 2;
    return half + (half % 2);
}

void TextLabel::draw(int x, int y) {
    if (x == -1 || y == -1) {
        x = defaultX;
        y = defaultY;
    }
    text.setOrigin(static_cast<float>(originX()), 0);
    text.setPosition(static_cast<float>(x), static_cast<float>(y));
    text.setFillColor(colour);
    drawText(text, drawTarget());
}

TextLabel& label(const sf::Font& font, unsigned size, sf::Color colour, int alignment,
                 const std::string& s, int x, int y) {
    static TextLabel shared;  // one label reused by every immediate-mode draw
    shared.text.setFont(font);
    shared.text.setCharacterSize(size);
    shared.colour = colour;
    shared.alignment = alignment;
    shared.setString(s);
    shared.draw(x, y);
    return shared;
}
