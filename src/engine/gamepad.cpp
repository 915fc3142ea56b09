// gamepad.cpp -- SDL's game-controller API for the first pad connected, its presses and rumbles
#include "engine/gamepad.h"

#include "engine/save_files.h"

#include <SDL2/SDL.h>
#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <string>

PadSettings padSettings;
std::atomic<bool> padInUse{false};

const int sdlButtonOf[padButtonCount] = {
    SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,          SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,         SDL_CONTROLLER_BUTTON_START,      SDL_CONTROLLER_BUTTON_DPAD_UP,
    SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
};

namespace {

// Read and written by the one thread that reads the pad.
SDL_GameController* pad = nullptr;
bool started = false;
bool held[padButtonCount] = {};  // as the last read found them

std::atomic<bool> connected{false};
std::atomic<int> pendingRumble{-1};  // a Rumble waiting for the next read, or -1

std::mutex pressMutex;
std::vector<PadButton> presses;  // pressed since the main thread last took them

struct RumbleShape {
    Uint16 low, high;  // strength of the heavy and the light motor, 0..65535
    Uint32 ms;
};

// By Rumble: a chop thuds, a pickaxe clinks, a catch tugs longest.
constexpr RumbleShape rumbleShapes[3] = {
    {40000, 20000, 90},
    {16000, 44000, 60},
    {52000, 30000, 220},
};

constexpr const char* padSettingsFile = "gP.kv";

// Pads come and go: the one in use is dropped when it is unplugged, and while there
// is none the first game controller in SDL's list (the first connected) is taken.
void followHotPlug() {
    if (pad && !SDL_GameControllerGetAttached(pad)) {
        SDL_GameControllerClose(pad);
        pad = nullptr;
    }
    for (int i = 0; !pad && i < SDL_NumJoysticks(); i++)
        if (SDL_IsGameController(i)) pad = SDL_GameControllerOpen(i);
}

double stick(SDL_GameControllerAxis axis) {
    return std::clamp(SDL_GameControllerGetAxis(pad, axis) / 32767.0, -1.0, 1.0);
}

void readState(PadReading& out) {
    out.leftX = stick(SDL_CONTROLLER_AXIS_LEFTX);
    out.leftY = stick(SDL_CONTROLLER_AXIS_LEFTY);
    out.rightX = stick(SDL_CONTROLLER_AXIS_RIGHTX);
    out.rightY = stick(SDL_CONTROLLER_AXIS_RIGHTY);
    out.leftTrigger = std::max(0.0, stick(SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    out.rightTrigger = std::max(0.0, stick(SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    for (int b = 0; b < padButtonCount; b++)
        out.buttons[b] = SDL_GameControllerGetButton(pad, static_cast<SDL_GameControllerButton>(sdlButtonOf[b]));
}

void notePresses(const PadReading& now) {
    std::lock_guard<std::mutex> lock(pressMutex);
    for (int b = 0; b < padButtonCount; b++) {
        if (now.buttons[b] && !held[b]) presses.push_back(static_cast<PadButton>(b));
        held[b] = now.buttons[b];
    }
}

void playPendingRumble() {
    int kind = pendingRumble.exchange(-1);
    if (kind < 0 || !pad) return;
    const RumbleShape& shape = rumbleShapes[kind];
    SDL_GameControllerRumble(pad, shape.low, shape.high, shape.ms);  // -1 on pads without motors
}

// The CPU benchmark measures the game with a pad connected and idle; these machines
// have no input devices, so THORNVALE_VIRTUAL_PAD=1 plugs in SDL's virtual one.
void plugBenchPad() {
    const char* wanted = std::getenv("THORNVALE_VIRTUAL_PAD");
    if (wanted && std::string(wanted) == "1") plugVirtualPad("Benchmark pad");
}

}  // namespace

_SDL_Joystick* plugVirtualPad(const char* name, int (*rumble)(void*, uint16_t, uint16_t)) {
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = name;
    desc.Rumble = rumble;
    SDL_Joystick* joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    if (!joystick) return nullptr;
    // A raw axis at 0 is a trigger pulled halfway: these rest at their low end.
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
    return joystick;
}

bool startGamepad() {
    if (started) return true;
    // SDL would otherwise turn SIGINT and SIGTERM into events nobody reads, and the
    // game would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    // The pad is read as state; its events would only pile up unread.
    SDL_GameControllerEventState(SDL_IGNORE);
    SDL_JoystickEventState(SDL_IGNORE);
    started = true;
    plugBenchPad();
    return true;
}

void stopGamepad() {
    if (!started) return;
    if (pad) SDL_GameControllerClose(pad);
    pad = nullptr;
    connected = false;
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
}

bool readGamepad(PadReading& out) {
    out = PadReading{};
    if (!started) return false;
    SDL_GameControllerUpdate();
    followHotPlug();
    connected = pad != nullptr;
    if (pad) readState(out);
    notePresses(out);  // an unplugged pad lets go of everything
    playPendingRumble();
    return pad != nullptr;
}

std::vector<PadButton> takePadPresses() {
    std::lock_guard<std::mutex> lock(pressMutex);
    std::vector<PadButton> taken;
    taken.swap(presses);
    return taken;
}

void rumblePad(Rumble kind) {
    if (padSettings.rumbleOn == 1 && padInUse && connected) pendingRumble = static_cast<int>(kind);
}

void loadPadSettings() {
    padSettings = PadSettings{};
    auto lines = readSavesFile(padSettingsFile);
    if (!lines || lines->empty()) return;
    auto on = parseInt((*lines)[0]);
    if (on && (*on == 0 || *on == 1)) padSettings.rumbleOn = *on;
}

bool writePadSettings() { return replaceSavesFile(padSettingsFile, {std::to_string(padSettings.rumbleOn)}); }
