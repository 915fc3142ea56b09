// gamepad.h -- the game controller: SDL for pads only, hot-plug, sticks, triggers, buttons, rumble
//
// SFML keeps the window, the mouse and the keys; SDL is started for game controllers
// alone, so every pad in its mapping database has the same layout. The first pad
// connected is the one used; pads may come and go at any time. One thread reads the pad
// (the pointer thread in the game); any thread may ask for a rumble, which that thread
// plays at its next read, so the pad is never closed under another thread's feet.
#pragma once
#include <atomic>
#include <cstdint>
#include <vector>

// The buttons the game gives a meaning to, and the SDL_GameControllerButton each is.
enum PadButton { PadA, PadB, PadX, PadY, PadStart, PadUp, PadDown, PadLeft, PadRight, padButtonCount };
extern const int sdlButtonOf[padButtonCount];

struct PadReading {
    double leftX = 0, leftY = 0;               // left stick, -1..1, right and down positive
    double rightX = 0, rightY = 0;             // right stick, the same
    double leftTrigger = 0, rightTrigger = 0;  // 0 released .. 1 pulled all the way
    bool buttons[padButtonCount] = {};         // held
};

constexpr double stickDeadZone = 0.2;     // a stick nearer its centre than this is at rest
constexpr double triggerPulled = 0.5;     // a trigger past this is a held mouse button

bool startGamepad();                 // once, before the pointer thread; false when SDL cannot start
void stopGamepad();                  // after the pointer thread has ended

// SDL's virtual pad in SDL's own controller layout, triggers at rest, for machines
// without input devices (the benchmark, the tests); null where SDL has none.
struct _SDL_Joystick;
_SDL_Joystick* plugVirtualPad(const char* name, int (*rumble)(void*, uint16_t, uint16_t) = nullptr);
bool readGamepad(PadReading& out);   // one update; false (and out at rest) while no pad is connected
std::vector<PadButton> takePadPresses();  // buttons pressed since the last call, in order

// Short rumbles of the activities; played only while the pad is in use and the
// switch is on, and only by pads that can.
enum class Rumble { Chop, PickaxeHit, Catch };
void rumblePad(Rumble kind);

// The rumble switch of the settings screen, in saves/gP.kv (one line: 1 on, 0 off).
struct PadSettings {
    int rumbleOn = 1;                // 1 on, 0 off
};
extern PadSettings padSettings;
void loadPadSettings();              // start-up: a missing or unreadable file keeps the default
bool writePadSettings();

// Which device the player used last: the pad's pointer is the pointer only then.
extern std::atomic<bool> padInUse;
