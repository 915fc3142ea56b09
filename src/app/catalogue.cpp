// catalogue.cpp -- decoding images on the loader thread, making textures on the main thread
#include "app/catalogue.h"

#include "app/app_state.h"
#include "app/asset_table.h"
#include "app/cover.h"
#include "app/platform.h"
#include "app/random.h"
#include "app/run_folder.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <iostream>
#include <mutex>

TextureCatalogue catalogue;

namespace {

struct PendingTexture {
    std::string name;
    std::shared_ptr<sf::Image> image;  // null when the file could not be decoded
    sf::IntRect area;                  // part of the image; empty for the whole image
    uint8_t alpha = 255;               // tint right after loading
};

std::mutex pendingMutex;
std::condition_variable pendingTaken;  // the main thread made textures of what was pending
std::deque<PendingTexture> pending;
size_t pendingBytes = 0;               // pixels decoded and waiting, bytes
size_t pendingLimit = SIZE_MAX;        // the loader waits while this much is waiting

size_t imageBytes(const PendingTexture& job) {
    if (!job.image) return 0;
    if (job.area.width > 0) return size_t(job.area.width) * job.area.height * 4;
    return size_t(job.image->getSize().x) * job.image->getSize().y * 4;
}

// A missing or damaged file leaves an empty texture; the player is told which one.
std::shared_ptr<sf::Image> decode(const char* code, const std::string& name) {
    auto image = std::make_shared<sf::Image>();
    if (image->loadFromFile(assetFile(code))) return image;
    std::cerr << "Thornvale: the image \"" << name << "\" (" << assetFile(code) << ") is missing or damaged\n";
    return nullptr;
}

// A loader that runs far ahead of the main thread would hold every decoded image
// and every texture at once; it waits instead while enough is waiting.
void queue(PendingTexture job) {
    std::unique_lock<std::mutex> lock(pendingMutex);
    while (pendingBytes >= pendingLimit && !app.quitRequested)
        pendingTaken.wait_for(lock, std::chrono::milliseconds(20));  // quitting never notifies
    pendingBytes += imageBytes(job);
    pending.push_back(std::move(job));
}

void queueEntries(const ImageEntry* entries, int count) {
    for (int i = 0; i < count && !app.quitRequested; i++)
        queue({entries[i].name, decode(entries[i].code, entries[i].name), {}, entries[i].alpha});
}

void queueToolTiles() {
    for (const ToolSheet& sheet : toolSheets) {
        std::shared_ptr<sf::Image> image = decode(sheet.code, "tool sheet");
        for (int cell = 0; cell < 16; cell++) {
            int tile = sheet.firstTile + cell;
            if (!toolTileHasPiece(tile)) continue;
            sf::IntRect area(75 * (cell % 4), 75 * (cell / 4), 75, 75);
            queue({"tool " + std::to_string(tile), image, area, 255});
        }
    }
}

void createTexture(const PendingTexture& job) {
    auto texture = std::make_unique<sf::Texture>();
    if (job.image) {
        if (job.area.width > 0) texture->loadFromImage(*job.image, job.area);
        else texture->loadFromImage(*job.image);
    }
    texture->setSmooth(true);
    SpriteEntry entry;
    entry.texture = texture.get();
    entry.sprite.setTexture(*texture, true);
    sf::Vector2u size = texture->getSize();
    entry.sprite.setOrigin(size.x / 2.0f, size.y / 2.0f);
    entry.colour = sf::Color(255, 255, 255, job.alpha);
    entry.sprite.setColor(entry.colour);
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
        createTexture(job);
        addLoadProgress();
        std::lock_guard<std::mutex> lock(pendingMutex);
        pendingBytes -= imageBytes(job);
        job.image.reset();  // the decoded pixels go as soon as their texture exists
    }
    pendingTaken.notify_all();
    return static_cast<int>(jobs.size());
}

void clearCatalogue() {
    std::lock_guard<std::mutex> lock(pendingMutex);
    pending.clear();
    pendingBytes = 0;
    catalogue.sprites.clear();
    catalogue.textures.clear();
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

// Filtering a sprite that sits on the pixel grid gives back its texels, so such
// draws sample the nearest texel, which costs a software renderer far less.
void chooseFilter(SpriteEntry& entry, const sf::RenderTarget& target) {
    if (!entry.texture) return;
    bool smooth = !onPixelGrid(entry.sprite, target);
    if (entry.texture->isSmooth() != smooth) entry.texture->setSmooth(smooth);
}

// Under a cover, a large sprite on the pixel grid is drawn as the parts of its
// texture that stay in sight; any other sprite is drawn whole unless wholly hidden.
void drawUncovered(const SpriteEntry& entry, sf::RenderTarget& target) {
    sf::FloatRect bounds = entry.sprite.getGlobalBounds(), parts[4];
    int count = uncoveredParts(bounds, parts);
    if (count == 0) return;
    bool whole = count == 1 && parts[0] == bounds;
    if (whole || entry.texture->isSmooth() || bounds.width * bounds.height < 40000) {
        target.draw(entry.sprite);
        return;
    }
    for (int i = 0; i < count; i++) {
        sf::IntRect source(static_cast<int>(parts[i].left - bounds.left), static_cast<int>(parts[i].top - bounds.top),
                           static_cast<int>(parts[i].width), static_cast<int>(parts[i].height));
        sf::Sprite part(*entry.texture, source);
        part.setColor(entry.sprite.getColor());
        part.setPosition(parts[i].left, parts[i].top);
        target.draw(part);
    }
}

}  // namespace

void drawSprite(const std::string& name, double x, double y) {
    SpriteEntry& entry = spriteEntry(name);
    entry.x = x;
    entry.y = y;
    entry.sprite.setPosition(static_cast<float>(x), static_cast<float>(y));
    if (!entry.texture) return;  // a name that was never loaded
    chooseFilter(entry, drawTarget());
    if (coverActive()) drawUncovered(entry, drawTarget());
    else drawTarget().draw(entry.sprite);
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
