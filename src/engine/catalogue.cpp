// catalogue.cpp -- decoding images on the loader thread, making textures on the main thread
#include "engine/catalogue.h"

#include "engine/app_state.h"
#include "engine/asset_table.h"
#include "engine/clock.h"
#include "engine/cover.h"
#include "engine/letterbox.h"
#include "engine/platform.h"
#include "engine/random.h"
#include "engine/run_folder.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <malloc.h>
#include <mutex>

TextureCatalogue catalogue;

namespace {

// What the loader hands to the main thread: the file's bytes, made into a texture the
// first time the picture is drawn, or (when the file could not be read as a picture)
// the decoded image, which is empty when decoding failed.
struct PendingTexture {
    std::string name;
    std::shared_ptr<const std::vector<char>> bytes;  // the PNG file, drawn later
    sf::Vector2u size;                 // its picture size, from the PNG header
    std::string file;                  // where the bytes came from
    std::shared_ptr<sf::Image> image;  // decoded at once; null when it failed
    sf::IntRect area;                  // part of the picture; empty for the whole picture
    uint8_t alpha = 255;               // tint right after loading
    std::string largeFile;             // the picture at twice the size; empty when there is none
};

std::mutex pendingMutex;
std::condition_variable pendingTaken;  // the main thread made entries of what was pending
std::deque<PendingTexture> pending;
size_t pendingBytes = 0;               // waiting in the queue, bytes
size_t pendingLimit = SIZE_MAX;        // the loader waits while this much is waiting
std::deque<std::string> wanted;        // pictures to make in a quiet moment, oldest first

// The pictures of the first screen are made while the loading screen still shows, so
// the title's first step decodes nothing.
const char* const madeWhileLoading[] = {"background", "cloud 1", "cloud 2", "cloud 3", "cloud 4",
                                        "cloud 5", "title", "p", "l", "a", "y", "play shadow", "main menu"};

size_t queuedBytes(const PendingTexture& job) {
    if (job.bytes) return job.bytes->size();
    if (!job.image) return 0;
    return size_t(job.image->getSize().x) * job.image->getSize().y * 4;
}

// A missing or damaged file leaves an empty texture; the player is told which one.
std::shared_ptr<sf::Image> decode(const char* code, const std::string& name) {
    auto image = std::make_shared<sf::Image>();
    if (image->loadFromFile(assetFile(code))) return image;
    std::cerr << "Thornvale: the image \"" << name << "\" (" << assetFile(code) << ") is missing or damaged\n";
    return nullptr;
}

uint32_t bigEndian(const std::vector<char>& b, size_t at) {
    uint32_t v = 0;
    for (size_t i = at; i < at + 4; i++) v = v << 8 | static_cast<uint8_t>(b[i]);
    return v;
}

// A PNG file's bytes and picture size; nothing for a file that is not a readable PNG,
// which is then decoded at once so that its failure shows while loading.
std::shared_ptr<const std::vector<char>> readPng(const char* code, sf::Vector2u& size) {
    std::ifstream file(assetFile(code), std::ios::binary);
    if (!file) return nullptr;
    auto bytes = std::make_shared<std::vector<char>>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    static const char signature[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR";
    if (bytes->size() < 24 || !std::equal(signature, signature + 16, bytes->begin())) return nullptr;
    size = sf::Vector2u(bigEndian(*bytes, 16), bigEndian(*bytes, 20));
    if (size.x == 0 || size.y == 0 || size.x > 8192 || size.y > 8192) return nullptr;
    return bytes;
}

PendingTexture readPicture(const std::string& name, const char* code, sf::IntRect area, uint8_t alpha) {
    PendingTexture job{name, nullptr, {}, "", nullptr, area, alpha, ""};
    job.bytes = readPng(code, job.size);
    if (job.bytes) job.file = assetFile(code);
    else job.image = decode(code, name);
    // Only its name is kept: most players never enlarge the window.
    std::error_code ignored;
    if (std::filesystem::is_regular_file(largeAssetFile(code), ignored)) job.largeFile = largeAssetFile(code);
    return job;
}

// A loader that runs far ahead of the main thread would hold every picture at once;
// it waits instead while enough is waiting.
void queue(PendingTexture job) {
    std::unique_lock<std::mutex> lock(pendingMutex);
    while (pendingBytes >= pendingLimit && !app.quitRequested)
        pendingTaken.wait_for(lock, std::chrono::milliseconds(20));  // quitting never notifies
    pendingBytes += queuedBytes(job);
    pending.push_back(std::move(job));
}

void queueEntries(const ImageEntry* entries, int count) {
    for (int i = 0; i < count && !app.quitRequested; i++)
        queue(readPicture(entries[i].name, entries[i].code, {}, entries[i].alpha));
}

void queueToolTiles() {
    for (const ToolSheet& sheet : toolSheets) {
        PendingTexture sheetFile = readPicture("tool sheet", sheet.code, {}, 255);
        for (int cell = 0; cell < 16; cell++) {
            int tile = sheet.firstTile + cell;
            if (!toolTileHasPiece(tile)) continue;
            PendingTexture job = sheetFile;
            job.name = "tool " + std::to_string(tile);
            job.area = sf::IntRect(75 * (cell % 4), 75 * (cell / 4), 75, 75);
            queue(std::move(job));
        }
    }
}

void fillTexture(sf::Texture& texture, const sf::Image& image, const sf::IntRect& area) {
    if (area.width > 0) texture.loadFromImage(image, area);
    else texture.loadFromImage(image);
    texture.setSmooth(true);
}

// Decodes a picture kept as file bytes into its texture, on its first draw. A damaged
// file leaves the texture empty, and the player is told which one.
// Decoding leaves its pixel buffers freed in the heap, where the C library would keep
// them; given back at once, a picture costs its texture alone.
void giveBackDecodingMemory() { malloc_trim(0); }

bool fillSmall(SpriteEntry& entry) {
    sf::Image image;
    if (!image.loadFromMemory(entry.source->data(), entry.source->size())) return false;
    fillTexture(*entry.texture, image, entry.sourceArea);
    return true;
}

void makeSmall(SpriteEntry& entry, const std::string& name) {
    if (!entry.source) return;
    if (!fillSmall(entry)) {
        std::cerr << "Thornvale: the image \"" << name << "\" (" << entry.sourceFile << ") is missing or damaged\n";
        entry.sprite.setTextureRect(sf::IntRect());  // an empty texture draws nothing
    }
    entry.source.reset();
    giveBackDecodingMemory();
}

// The part of the large file that doubles the small picture: the sheet's cell, or the
// whole picture, which must then be exactly twice the size.
bool largeArea(const SpriteEntry& entry, const sf::Image& image, sf::IntRect& area) {
    sf::Vector2i size(image.getSize());
    if (entry.sourceArea.width > 0) {
        const sf::IntRect& a = entry.sourceArea;
        area = sf::IntRect(2 * a.left, 2 * a.top, 2 * a.width, 2 * a.height);
        return area.left + area.width <= size.x && area.top + area.height <= size.y;
    }
    sf::IntRect rect = entry.sprite.getTextureRect();
    area = sf::IntRect(0, 0, 2 * rect.width, 2 * rect.height);
    return rect.width > 0 && size == sf::Vector2i(area.width, area.height);
}

bool largeWaiting(const SpriteEntry& entry) { return entry.largeTexture && entry.largeTexture->getSize().x == 0; }

void releaseRestedLargePictures() {
    for (auto& [name, entry] : catalogue.sprites)
        if (entry.largeTexture && !largeWaiting(entry) && nowMs() - entry.largeDrawnMs >= largePictureRestMs)
            *entry.largeTexture = sf::Texture();
}

// Decodes the large picture on its first large draw. A damaged one is named, and the
// small picture is drawn enlarged instead, as if there were none.
bool fillLarge(SpriteEntry& entry) {
    sf::Image image;
    sf::IntRect area;
    if (!image.loadFromFile(entry.largeFile) || !largeArea(entry, image, area)) return false;
    fillTexture(*entry.largeTexture, image, area);
    return true;
}

void makeLarge(SpriteEntry& entry, const std::string& name) {
    if (!largeWaiting(entry)) return;
    releaseRestedLargePictures();
    entry.largeDrawnMs = nowMs();
    if (!fillLarge(entry)) {
        std::cerr << "Thornvale: the image \"" << name << "\" (" << entry.largeFile << ") is missing or damaged\n";
        entry.largeTexture = nullptr;
    }
    giveBackDecodingMemory();
}

bool drawnLarge(const SpriteEntry& entry, const sf::RenderTarget& target) {
    return entry.largeTexture && showsLargePictures(target);
}

// Whether the texture a draw on this target shows is still to be made.
bool pictureWaiting(const SpriteEntry& entry, const sf::RenderTarget& target) {
    return drawnLarge(entry, target) ? largeWaiting(entry) : entry.source != nullptr;
}

void makePicture(SpriteEntry& entry, const std::string& name, const sf::RenderTarget& target) {
    if (drawnLarge(entry, target)) makeLarge(entry, name);
    else makeSmall(entry, name);
}

void createEntry(const PendingTexture& job) {
    auto texture = std::make_unique<sf::Texture>();
    texture->setSmooth(true);  // only a flag until the picture is first drawn
    SpriteEntry entry;
    entry.texture = texture.get();
    if (!job.largeFile.empty()) {
        auto& large = catalogue.largeTextures[job.name];
        large = std::make_unique<sf::Texture>();
        entry.largeTexture = large.get();
        entry.largeFile = job.largeFile;
    }
    entry.sprite.setTexture(*texture);
    sf::Vector2u size = job.size;
    if (job.area.width > 0) size = sf::Vector2u(job.area.width, job.area.height);
    if (job.bytes) {
        entry.source = job.bytes;
        entry.sourceFile = job.file;
        entry.sourceArea = job.area;
        entry.sprite.setTextureRect(sf::IntRect(0, 0, size.x, size.y));
    } else {
        if (job.image) fillTexture(*texture, *job.image, job.area);
        entry.sprite.setTexture(*texture, true);
        size = texture->getSize();
    }
    entry.sprite.setOrigin(size.x / 2.0f, size.y / 2.0f);
    entry.colour = sf::Color(255, 255, 255, job.alpha);
    entry.sprite.setColor(entry.colour);
    for (const char* name : madeWhileLoading)
        if (job.name == name) makePicture(entry, job.name, drawTarget());
    catalogue.textures[job.name] = std::move(texture);
    catalogue.sprites[job.name] = std::move(entry);
    if (job.name == "cloud 5") placeStartingClouds();
}

}  // namespace

// The five starting clouds are spread over the sky as soon as their sprites exist.
void placeStartingClouds() {
    for (CloudState& cloud : app.clouds) {
        cloud.active = true;
        cloud.cloudX = randomBelow(1751) - 500;
        cloud.cloudSpeed = (randomBelow(6) + 4) / 10.0;
    }
}

void textureLoaderThread(size_t waitingLimitBytes) {
    {
        std::lock_guard<std::mutex> lock(pendingMutex);
        pendingLimit = waitingLimitBytes;
    }
    queueEntries(imagesBeforeTiles, imagesBeforeTilesCount);
    queueToolTiles();
    queueEntries(imagesAfterTiles, imagesAfterTilesCount);
}

int createPendingTextures() {
    std::deque<PendingTexture> jobs;
    {
        std::lock_guard<std::mutex> lock(pendingMutex);
        jobs.swap(pending);
    }
    for (PendingTexture& job : jobs) {
        createEntry(job);
        addLoadProgress();
        std::lock_guard<std::mutex> lock(pendingMutex);
        pendingBytes -= queuedBytes(job);
        job.image.reset();  // decoded pixels go as soon as their texture exists
    }
    pendingTaken.notify_all();
    return static_cast<int>(jobs.size());
}

void clearCatalogue() {
    std::lock_guard<std::mutex> lock(pendingMutex);
    pending.clear();
    pendingBytes = 0;
    wanted.clear();
    catalogue.sprites.clear();
    catalogue.textures.clear();
    catalogue.largeTextures.clear();
}

bool showsLargePictures(const sf::RenderTarget& target) {
    return pixelsPerViewUnit(target) > largePicturesAbove;
}

void preparePicture(const std::string& name) {
    auto found = catalogue.sprites.find(name);
    if (found == catalogue.sprites.end()) return;
    if (!pictureWaiting(found->second, drawTarget())) return;
    if (std::find(wanted.begin(), wanted.end(), name) == wanted.end()) wanted.push_back(name);
}

bool makePreparedPicture() {
    while (!wanted.empty()) {
        std::string name = wanted.front();
        wanted.pop_front();
        auto found = catalogue.sprites.find(name);
        if (found == catalogue.sprites.end() || !pictureWaiting(found->second, drawTarget())) continue;
        makePicture(found->second, name, drawTarget());
        return true;
    }
    return false;
}

SpriteEntry& loadedSprite(const std::string& name) {
    SpriteEntry& entry = spriteEntry(name);
    makeSmall(entry, name);
    return entry;
}

SpriteEntry& spriteEntry(const std::string& name) {
    auto found = catalogue.sprites.find(name);
    if (found != catalogue.sprites.end()) return found->second;
    static SpriteEntry missing;  // a name that was never loaded draws nothing
    std::cerr << "thornvale: no image named \"" << name << "\"\n";
    missing.sprite = sf::Sprite();
    return missing;
}

bool catalogueHas(const std::string& name) { return catalogue.sprites.count(name) > 0; }

namespace {

bool whole(float v) { return v == std::floor(v); }

sf::FloatRect viewArea(const sf::RenderTarget& target) {
    const sf::View& view = target.getView();
    return sf::FloatRect(view.getCenter() - view.getSize() / 2.f, view.getSize());
}

// True when the sprite's texels land one to one on the target's pixels: unscaled,
// unrotated, on whole pixels, and the view neither scales nor shifts by a fraction.
bool onPixelGrid(const sf::Sprite& sprite, const sf::RenderTarget& target) {
    const float* m = sprite.getTransform().getMatrix();
    if (m[0] != 1.f || m[1] != 0.f || m[4] != 0.f || m[5] != 1.f) return false;
    const sf::View& view = target.getView();
    sf::IntRect port = target.getViewport(view);
    if (view.getRotation() != 0.f || port.width != view.getSize().x || port.height != view.getSize().y)
        return false;
    sf::Vector2f corner = view.getCenter() - view.getSize() / 2.f;
    return whole(m[12] - corner.x) && whole(m[13] - corner.y);
}

void setFilter(sf::Texture* texture, bool smooth) {
    if (texture && texture->isSmooth() != smooth) texture->setSmooth(smooth);
}

// True when a twice-size sprite, neither turned nor stretched unevenly, covers 0.8 to 1
// window pixel per texel (a window 1.6 to 2 times the view's size). There its nearest
// texel is as sharp as the picture rasterised at the window's own size, where smoothing
// would blur every edge by most of a pixel; shrunk further, thin lines need smoothing.
bool nearestIsSharp(const sf::Sprite& large, const sf::RenderTarget& target) {
    const float* m = large.getTransform().getMatrix();
    if (m[1] != 0.f || m[4] != 0.f || m[0] != m[5]) return false;
    float pixelsPerTexel = m[0] * pixelsPerViewUnit(target);
    return pixelsPerTexel >= 0.8f && pixelsPerTexel <= 1.f;
}

// Filtering a sprite that sits on the pixel grid gives back its texels, so such
// draws sample the nearest texel, which costs a software renderer far less. The small
// picture's filter follows its place even when the large one is drawn.
void chooseFilters(SpriteEntry& entry, const sf::Sprite* large, const sf::RenderTarget& target) {
    setFilter(entry.texture, !onPixelGrid(entry.sprite, target));
    if (large) setFilter(entry.largeTexture, !nearestIsSharp(*large, target));
}

// Under a cover, a large sprite on the pixel grid is drawn as the parts of its
// texture that stay in sight; any other sprite is drawn whole unless wholly hidden.
void drawUncovered(const sf::Sprite& sprite, const sf::Texture& texture, bool onGrid, sf::RenderTarget& target) {
    sf::FloatRect bounds = sprite.getGlobalBounds(), parts[4];
    int count = uncoveredParts(bounds, parts);
    if (count == 0) return;
    bool whole = count == 1 && parts[0] == bounds;
    if (whole || !onGrid || bounds.width * bounds.height < 40000) {
        target.draw(sprite);
        return;
    }
    for (int i = 0; i < count; i++) {
        sf::IntRect source(static_cast<int>(parts[i].left - bounds.left), static_cast<int>(parts[i].top - bounds.top),
                           static_cast<int>(parts[i].width), static_cast<int>(parts[i].height));
        sf::Sprite part(texture, source);
        part.setColor(sprite.getColor());
        part.setPosition(parts[i].left, parts[i].top);
        target.draw(part);
    }
}

void drawPicture(const sf::Sprite& sprite, const sf::Texture& texture, bool onGrid, sf::RenderTarget& target) {
    if (coverActive()) drawUncovered(sprite, texture, onGrid, target);
    else target.draw(sprite);
}

// The sprite shown from the twice-size texture: texture rectangle and origin doubled,
// scale halved, so that it covers the place of the small one; position, rotation and
// tint stay.
sf::Sprite enlargedSprite(const sf::Sprite& small, const sf::Texture& large) {
    sf::Sprite sprite(small);
    sf::IntRect r = small.getTextureRect();
    sprite.setTexture(large);
    sprite.setTextureRect(sf::IntRect(2 * r.left, 2 * r.top, 2 * r.width, 2 * r.height));
    sprite.setOrigin(small.getOrigin() * 2.f);
    sprite.setScale(small.getScale() / 2.f);
    return sprite;
}

}  // namespace

void drawSprite(const std::string& name, double x, double y) {
    SpriteEntry& entry = spriteEntry(name);
    entry.x = x;
    entry.y = y;
    entry.sprite.setPosition(static_cast<float>(x), static_cast<float>(y));
    if (!entry.texture) return;  // a name that was never loaded
    sf::RenderTarget& target = drawTarget();
    // A page slid out of the view shows nothing; its picture need not even be made.
    if (!entry.sprite.getGlobalBounds().intersects(viewArea(target))) return;
    makePicture(entry, name, target);
    if (drawnLarge(entry, target)) {
        entry.largeDrawnMs = nowMs();
        sf::Sprite large = enlargedSprite(entry.sprite, *entry.largeTexture);
        chooseFilters(entry, &large, target);
        drawPicture(large, *entry.largeTexture, false, target);
        return;
    }
    makeSmall(entry, name);  // also when the large picture turned out damaged
    chooseFilters(entry, nullptr, target);
    drawPicture(entry.sprite, *entry.texture, onPixelGrid(entry.sprite, target), target);
}

void colourSprite(const std::string& name, sf::Color colour) {
    SpriteEntry& entry = spriteEntry(name);
    entry.colour = colour;
    entry.sprite.setColor(colour);
}

void tintSprite(const std::string& name, int r, int g, int b) {
    colourSprite(name, sf::Color(r, g, b, spriteEntry(name).colour.a));
}

void greySprite(const std::string& name, int v) { tintSprite(name, v, v, v); }

void greyAlphaSprite(const std::string& name, int v, int a) {
    colourSprite(name, sf::Color(v, v, v, a));
}

void scaleSprite(const std::string& name, double s) {
    spriteEntry(name).sprite.setScale(static_cast<float>(s), static_cast<float>(s));
}

void rotateSprite(const std::string& name, double degrees) {
    spriteEntry(name).sprite.setRotation(static_cast<float>(degrees));
}
