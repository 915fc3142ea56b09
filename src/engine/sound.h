// sound.h -- the 20 named sounds: playing, stopping, volumes and fades
#pragma once
#include <SFML/Audio/Music.hpp>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

// What the fade of one sound is heading for; a new request bumps `request`, and the
// running fade thread turns towards it.
struct FadeRequest {
    std::atomic<int> target{0};      // volume, 0..100
    std::atomic<int> durationMs{0};  // for the whole way from where the volume stands
    std::atomic<int> request{0};     // counts requests
};

struct SoundState {
    std::map<std::string, std::unique_ptr<sf::Music>> sounds;  // every sound is a stream
    std::vector<std::string> soundNames;                       // load order
    std::map<std::string, std::string> soundCategory;          // "sfx" or "music"
    std::map<std::string, std::unique_ptr<std::atomic<bool>>> fadeBusy;  // a fade of it runs
    std::map<std::string, std::unique_ptr<FadeRequest>> fadeRequests;   // where it is going
};

extern SoundState soundState;
extern std::atomic<int> fadeThreadsRunning;  // fades still touching a sound

void soundLoaderThread();
void finishSoundLoading();  // volumes by category, start the music, audio is ready
void prepareAudioOutput();  // falls back to silent output where no sound device opens
void destroySounds();       // before main returns: audio objects must not outlive it

bool playSound(const std::string& name, bool restart);
void stopSound(const std::string& name);
void pauseSound(const std::string& name);
void setSoundPitch(const std::string& name, double pitch);
void setSoundVolume(const std::string& name, double volume);
void setSoundLoop(const std::string& name, bool loop);
void applyVolume(const std::string& category, int volume);
int targetVolume(const std::string& name);
void fadeTo(const std::string& name, int target, int durationMs);  // dropped while one runs
void turnFadeTo(const std::string& name, int target, int durationMs);  // a running one turns
void pauseAudio();
void resumeAudio();
void restorePlayerVolumes();  // every sound at once at the player's volume, fades ended

// Read-outs for screens and tests.
bool soundPlaying(const std::string& name);
float soundVolume(const std::string& name);
bool fadeRunning(const std::string& name);
