// sound.cpp -- streams for every sound, category volumes and fades on short threads
#include "engine/sound.h"

#include "engine/app_state.h"
#include "engine/asset_table.h"
#include "engine/run_folder.h"
#include "engine/settings.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <dlfcn.h>
#include <thread>

SoundState soundState;
std::atomic<int> fadeThreadsRunning{0};

namespace {

sf::Music* find(const std::string& name) {
    auto found = soundState.sounds.find(name);
    return found == soundState.sounds.end() ? nullptr : found->second.get();
}

const std::string& categoryOf(const std::string& name) {
    static const std::string none;
    auto found = soundState.soundCategory.find(name);
    return found == soundState.soundCategory.end() ? none : found->second;
}

float clampVolume(double v) { return static_cast<float>(std::clamp(v, 0.0, 100.0)); }

enum class FadeEnd { Reached, Turned, Quit };

// Moves the volume one whole unit at a time, evenly over the duration, towards the
// target of the request it was started for; a newer request turns it.
FadeEnd runFade(sf::Music* music, const FadeRequest& fade, int request) {
    int target = fade.target, durationMs = fade.durationMs;
    int start = static_cast<int>(std::floor(music->getVolume()));
    int steps = std::abs(start - target);
    int direction = start - target <= 0 ? 1 : -1;
    for (int i = 0; i < steps; i++) {
        if (app.quitRequested) return FadeEnd::Quit;
        if (fade.request != request) return FadeEnd::Turned;
        music->setVolume(clampVolume(music->getVolume() + direction));
        std::this_thread::sleep_for(std::chrono::milliseconds(durationMs / steps));
    }
    if (fade.request != request) return FadeEnd::Turned;
    music->setVolume(clampVolume(target));
    return FadeEnd::Reached;
}

// One thread per sound at a time, marked busy while it runs. A request that comes
// while the fade is ending picks the thread up again, unless a new one took it.
void fadeSound(sf::Music* music, FadeRequest* fade, std::atomic<bool>* busy) {
    for (;;) {
        int request = fade->request;
        FadeEnd end = runFade(music, *fade, request);
        if (end == FadeEnd::Quit) break;  // the busy mark stays; the program is closing
        if (end == FadeEnd::Turned) continue;
        *busy = false;
        bool idle = false;
        if (fade->request == request || !busy->compare_exchange_strong(idle, true)) break;
    }
    fadeThreadsRunning--;
}

void requestFade(const std::string& name, int target, int durationMs) {
    FadeRequest& fade = *soundState.fadeRequests.at(name);
    fade.target = std::clamp(target, 0, 100);
    fade.durationMs = durationMs;
    fade.request++;
}

// The caller holds the sound's busy mark.
void launchFade(const std::string& name) {
    fadeThreadsRunning++;
    std::thread(fadeSound, find(name), soundState.fadeRequests.at(name).get(),
                soundState.fadeBusy.at(name).get())
        .detach();
}

}  // namespace

// Without a sound device OpenAL floods errors and may abort or hang; its silent
// null output behaves exactly, so the game falls back to it.
void prepareAudioOutput() {
    if (std::getenv("ALSOFT_DRIVERS")) return;
    void* openal = dlopen("libopenal.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!openal) return;
    using OpenFn = void* (*)(const char*);
    using CloseFn = char (*)(void*);
    auto openDevice = reinterpret_cast<OpenFn>(dlsym(openal, "alcOpenDevice"));
    auto closeDevice = reinterpret_cast<CloseFn>(dlsym(openal, "alcCloseDevice"));
    void* device = openDevice ? openDevice(nullptr) : nullptr;
    if (device && closeDevice) closeDevice(device);
    if (!device) setenv("ALSOFT_DRIVERS", "null", 1);
}

void soundLoaderThread() {
    for (const SoundEntry& entry : soundCatalogue) {
        if (app.quitRequested) return;
        auto music = std::make_unique<sf::Music>();
        music->openFromFile(assetFile(entry.code));
        soundState.sounds[entry.name] = std::move(music);
        soundState.soundNames.push_back(entry.name);
        soundState.soundCategory[entry.name] = entry.category;
        soundState.fadeBusy[entry.name] = std::make_unique<std::atomic<bool>>(false);
        soundState.fadeRequests[entry.name] = std::make_unique<FadeRequest>();
        if (entry.loops) setSoundLoop(entry.name, true);
        addLoadProgress();
    }
    finishSoundLoading();
}

void finishSoundLoading() {
    applyVolume("music", settings.musicVolume);
    applyVolume("sfx", settings.sfxVolume);
    playSound("music", false);
    app.audioReady = true;
}

void destroySounds() {
    for (int wait = 0; fadeThreadsRunning > 0 && wait < 200; wait++)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    for (auto& [name, music] : soundState.sounds) music->stop();
    soundState.sounds.clear();
    soundState.soundNames.clear();
    soundState.soundCategory.clear();
    soundState.fadeBusy.clear();
    soundState.fadeRequests.clear();
}

bool playSound(const std::string& name, bool restart) {
    sf::Music* music = find(name);
    if (!music) return false;
    const std::string& category = categoryOf(name);
    if (category == "music" && settings.musicOn == 0) return false;
    if (category == "sfx" && settings.sfxOn == 0) return false;
    if (music->getStatus() == sf::SoundSource::Playing && !restart) return false;
    // play() resumes a paused stream; anything else starts from the beginning, and a
    // stream that ended by itself does not replay on play() alone.
    if (music->getStatus() != sf::SoundSource::Paused || restart) music->stop();
    music->play();
    return true;
}

void stopSound(const std::string& name) {
    if (sf::Music* music = find(name); music && music->getStatus() == sf::SoundSource::Playing)
        music->stop();
}

void pauseSound(const std::string& name) {
    if (sf::Music* music = find(name)) music->pause();
}

void setSoundPitch(const std::string& name, double pitch) {
    if (sf::Music* music = find(name)) music->setPitch(static_cast<float>(pitch == 0 ? 1.0 : pitch));
}

void setSoundVolume(const std::string& name, double volume) {
    if (sf::Music* music = find(name)) music->setVolume(clampVolume(volume));
}

void setSoundLoop(const std::string& name, bool loop) {
    if (sf::Music* music = find(name)) music->setLoop(loop);
}

void applyVolume(const std::string& category, int volume) {
    for (const std::string& name : soundState.soundNames)
        if (categoryOf(name) == category) setSoundVolume(name, volume);
}

int targetVolume(const std::string& name) {
    const std::string& category = categoryOf(name);
    if (category == "music" && settings.musicOn == 1) return settings.musicVolume;
    if (category == "sfx" && settings.sfxOn == 1) return settings.sfxVolume;
    return 0;
}

void fadeTo(const std::string& name, int target, int durationMs) {
    auto busy = soundState.fadeBusy.find(name);
    bool idle = false;
    if (busy == soundState.fadeBusy.end() || !busy->second->compare_exchange_strong(idle, true)) return;
    requestFade(name, target, durationMs);
    launchFade(name);
}

// The request is made before the busy mark is tried: a fade that is just ending
// either sees it and goes on, or has already let go of the mark for a new one.
void turnFadeTo(const std::string& name, int target, int durationMs) {
    auto busy = soundState.fadeBusy.find(name);
    if (busy == soundState.fadeBusy.end()) return;
    requestFade(name, target, durationMs);
    bool idle = false;
    if (busy->second->compare_exchange_strong(idle, true)) launchFade(name);
}

// Focus changes turn a fade still running, so a quick switch away and back always
// ends at the player's volumes, and away again always ends in silence.
void pauseAudio() {
    for (const std::string& name : soundState.soundNames) turnFadeTo(name, 0, 500);
}

void resumeAudio() {
    for (const std::string& name : soundState.soundNames) turnFadeTo(name, targetVolume(name), 500);
}

// A game left while a sound fades (the rain dying away at the end of a shower) must
// not pass the faded volume on to the next game. Without the focus the sounds stay
// quiet; regaining it brings them to these volumes.
void restorePlayerVolumes() {
    if (!app.windowFocused) return;
    for (const std::string& name : soundState.soundNames) {
        if (fadeRunning(name)) turnFadeTo(name, targetVolume(name), 0);
        else setSoundVolume(name, targetVolume(name));
    }
}

bool soundPlaying(const std::string& name) {
    sf::Music* music = find(name);
    return music && music->getStatus() == sf::SoundSource::Playing;
}

float soundVolume(const std::string& name) {
    sf::Music* music = find(name);
    return music ? music->getVolume() : 0;
}

bool fadeRunning(const std::string& name) {
    auto busy = soundState.fadeBusy.find(name);
    return busy != soundState.fadeBusy.end() && *busy->second;
}
