// catalogue.h -- images by catalogue name, the texture loader and the sprite operations
#pragma once
#include <SFML/Graphics.hpp>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct SpriteEntry {
    sf::Sprite sprite;                  // shows the whole texture of the same name, origin at its centre
    sf::Color colour = sf::Color::White; // the last tint given through the catalogue
    double x = 0, y = 0;                // where it was last drawn
    sf::Texture* texture = nullptr;     // the texture shown, so a draw can pick its filter
    // Until its first draw a picture is kept as its file's bytes (a tenth of its pixels);
    // the texture is made then.
    std::shared_ptr<const std::vector<char>> source;
    sf::IntRect sourceArea;             // the part of the file's picture; empty for all of it
    std::string sourceFile;             // the file, named if it turns out damaged
    // The same picture at twice the size, drawn instead while the view is enlarged more
    // than largePicturesAbove times; null when there is none (or its file is damaged).
    sf::Texture* largeTexture = nullptr;
    std::string largeFile;              // read on its first large draw, and again after a rest
    int32_t largeDrawnMs = 0;           // when the large picture was last drawn or made
};

struct TextureCatalogue {
    std::map<std::string, std::unique_ptr<sf::Texture>> textures;
    std::map<std::string, std::unique_ptr<sf::Texture>> largeTextures;  // made on their first large draw
    std::map<std::string, SpriteEntry> sprites;
};

// A picture shown at more than this many window pixels per view unit is drawn from its
// twice-size texture, scaled by a half, so that it covers exactly the same place.
constexpr float largePicturesAbove = 1.25f;
// A large picture not drawn for this long gives its memory back when another is made
// (four times the small one's, and a long game at full screen shows them all).
constexpr int32_t largePictureRestMs = 60000;
bool showsLargePictures(const sf::RenderTarget& target);

extern TextureCatalogue catalogue;

// Loading. The loader thread only reads files; the catalogue entries are made on the
// main thread (createPendingTextures, run by the loading screen), and each texture on
// the main thread when its picture is first drawn, because Mesa's software renderer
// crashes now and then when a second thread creates textures while the main thread
// draws. Pictures that are never shown cost only their file's bytes.
// waitingLimitBytes: the loader waits while this many bytes of decoded pixels wait
// for their textures (the game's loader thread); unlimited when run in one thread.
void textureLoaderThread(size_t waitingLimitBytes = SIZE_MAX);
int createPendingTextures();   // makes the textures decoded so far; returns how many
void clearCatalogue();         // tests boot the program repeatedly
void placeStartingClouds();    // spread the five clouds over the sky

// Sprite operations by catalogue name.
void drawSprite(const std::string& name, double x, double y);
void tintSprite(const std::string& name, int r, int g, int b);
void greySprite(const std::string& name, int v);
void greyAlphaSprite(const std::string& name, int v, int a);
void colourSprite(const std::string& name, sf::Color colour);
void scaleSprite(const std::string& name, double s);
void rotateSprite(const std::string& name, double degrees);
SpriteEntry& spriteEntry(const std::string& name);
SpriteEntry& loadedSprite(const std::string& name);  // with its texture made, as a draw at 1000 x 600 leaves it
// A picture likely to be shown soon (the close-up of an object in sight) is made while
// the main loop waits for the next step, so its first showing decodes nothing.
void preparePicture(const std::string& name);
bool makePreparedPicture();   // makes one prepared picture; false when none is waiting
bool catalogueHas(const std::string& name);
