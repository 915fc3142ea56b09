// input.cpp -- the pointer thread, its queue of clicks, and pointer hit tests
#include "engine/input.h"

#include "engine/app_state.h"
#include "engine/clock.h"
#include "engine/gamepad.h"
#include "engine/hooks.h"
#include "engine/hover.h"
#include "engine/platform.h"
#include "engine/pointer_x11.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <thread>

PointerState pointer;
std::atomic<bool> touchMode{false};

namespace {

// Written only by the pointer thread.
struct LivePointer {
    std::atomic<int> x{0}, y{0};
    int readX = 0, readY = 0;  // the last position read, inside the window or not
    int mouseX = 0, mouseY = 0;  // the last position of the mouse itself
    std::atomic<bool> outside{true}, leftDown{false}, rightDown{false}, pressLatch{false};
} live;

struct Click {
    int x, y;  // pointer position at the press
};
std::mutex clickMutex;
std::condition_variable clickQueued;  // wakes a main loop that sleeps until the next step
std::deque<Click> clicks;

void queueClick() {
    {
        std::lock_guard<std::mutex> lock(clickMutex);
        clicks.push_back({live.x, live.y});
    }
    clickQueued.notify_one();
}

bool insideView(int x, int y) { return x >= 1 && x <= 999 && y >= 1 && y <= 599; }

void pollButtonsMouseMode(bool left, bool right) {
    live.leftDown = left;
    live.rightDown = right;
    if (left) {
        if (!live.pressLatch && !live.outside) queueClick();
        live.pressLatch = true;
    } else if (right) {
        live.pressLatch = true;
    } else {
        live.pressLatch = false;
    }
}

void pollButtonsTouchMode(bool left) {
    if (!left) {
        live.leftDown = false;
        live.pressLatch = false;
    }
}

// A touch is the pointer jumping to a new spot while no touch is held. Moves are
// measured from the last position read, so a pointer that leaves the window and
// comes back to the very pixel it left from counts as inside again.
void pollPosition(int x, int y, bool touches) {
    if (x == live.readX && y == live.readY) return;
    live.readX = x;
    live.readY = y;
    if (!insideView(x, y)) {
        live.outside = true;
        return;
    }
    live.x = x;
    live.y = y;
    live.outside = false;
    if (touches && !live.pressLatch) {
        live.leftDown = true;
        live.pressLatch = true;
        queueClick();
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// The pad's pointer: a second source beside the mouse, read by the same thread

namespace {

constexpr double fullSpeed = 2000;  // px per second at full tilt: a flick crosses the view in half a second
constexpr double creepSpeed = 20;   // px per second just past the dead zone: a pixel at a time
constexpr int longestPadStepMs = 50;  // a stalled thread does not make the pointer leap
constexpr double walkPush = 0.5;    // the left stick walks once pushed this far to a side

struct PadPointer {
    double x = 500, y = 300;           // view coordinates, 1..999 x 1..599
    bool left = false, right = false;  // A or the right trigger; the left trigger
    int32_t lastReadMs = 0;            // nowMs of the last read of the pad
} padPointer;

std::atomic<bool> leftStickPoints{true};  // a window, page or menu is open
std::atomic<int> padWalk{0};              // -1 left, 1 right, 0 still
std::atomic<bool> warpPending{false};
std::atomic<int> warpX{0}, warpY{0};

// Speed grows with the cube of the tilt past the dead zone: fine aim near the centre,
// a flick at the rim.
void addStickMotion(double sx, double sy, double seconds, double& dx, double& dy) {
    double tilt = std::hypot(sx, sy);
    if (tilt < stickDeadZone) return;
    double past = std::min(1.0, (tilt - stickDeadZone) / (1 - stickDeadZone));
    double speed = creepSpeed + (fullSpeed - creepSpeed) * past * past * past;
    dx += sx / tilt * speed * seconds;
    dy += sy / tilt * speed * seconds;
}

bool padTouched(const PadReading& r) {
    for (bool held : r.buttons)
        if (held) return true;
    return std::hypot(r.leftX, r.leftY) >= stickDeadZone || std::hypot(r.rightX, r.rightY) >= stickDeadZone ||
           r.leftTrigger >= triggerPulled || r.rightTrigger >= triggerPulled;
}

int walkDirection(const PadReading& r, bool stickPoints) {
    bool stickWalks = !stickPoints && std::abs(r.leftX) >= walkPush;
    if (r.buttons[PadLeft] || (stickWalks && r.leftX < 0)) return -1;
    if (r.buttons[PadRight] || (stickWalks && r.leftX > 0)) return 1;
    return 0;
}

// The pad takes the pointer over where the mouse left it.
void takeOverPointer() {
    padInUse = true;
    padPointer.x = live.outside ? 500 : live.x.load();
    padPointer.y = live.outside ? 300 : live.y.load();
}

void movePadPointer(const PadReading& r, int elapsedMs) {
    if (warpPending.exchange(false)) {
        padInUse = true;
        padPointer.x = warpX;
        padPointer.y = warpY;
    }
    double dx = 0, dy = 0, seconds = elapsedMs / 1000.0;
    addStickMotion(r.rightX, r.rightY, seconds, dx, dy);
    if (leftStickPoints) addStickMotion(r.leftX, r.leftY, seconds, dx, dy);
    padPointer.x = std::clamp(padPointer.x + dx, 1.0, 999.0);
    padPointer.y = std::clamp(padPointer.y + dy, 1.0, 599.0);
}

// A mouse that moves or presses takes the pointer back from the pad.
void noteMouse(const PointerReading& r) {
    bool moved = r.viewX != live.mouseX || r.viewY != live.mouseY;
    live.mouseX = r.viewX;
    live.mouseY = r.viewY;
    if (moved || r.left || r.right) padInUse = false;
}

}  // namespace

void pollPadOnce() {
    PadReading r;
    bool connected = readGamepad(r);
    int32_t now = nowMs();
    int elapsed = std::clamp(now - padPointer.lastReadMs, 0, longestPadStepMs);
    padPointer.lastReadMs = now;
    if (!connected) padInUse = false;
    padWalk = walkDirection(r, leftStickPoints);
    if (padTouched(r) && !padInUse) takeOverPointer();
    movePadPointer(r, elapsed);
    padPointer.left = r.buttons[PadA] || r.rightTrigger >= triggerPulled;
    padPointer.right = r.leftTrigger >= triggerPulled;
}

void warpPadPointer(int x, int y) {
    warpX = x;
    warpY = y;
    warpPending = true;
    pointer.pointerX = x;  // this pass already draws it there
    pointer.pointerY = y;
    pointer.pointerOutside = false;
}

void setLeftStickPoints(bool points) { leftStickPoints = points; }
int padWalkDirection() { return padWalk; }

// While the pad is in use its pointer and buttons stand in for the mouse's, and its
// presses are edges whatever the input mode: a stick cannot tap.
void pollPointerOnce() {
    PointerReading r;
    if (!platformReadPointer(r) || !r.focused) return;
    noteMouse(r);
    bool fromPad = padInUse;
    if (fromPad) {
        r.viewX = static_cast<int>(padPointer.x);
        r.viewY = static_cast<int>(padPointer.y);
    }
    r.left = r.left || padPointer.left;
    r.right = r.right || padPointer.right;
    bool touches = touchMode && !fromPad;
    // The pad's pointer is where its press lands, even the press that brought it in.
    if (fromPad) pollPosition(r.viewX, r.viewY, false);
    if (touches) pollButtonsTouchMode(r.left);
    else pollButtonsMouseMode(r.left, r.right);
    if (!fromPad) pollPosition(r.viewX, r.viewY, touches);
}

namespace {
std::atomic<bool> pointerThreadAlive{false};
}

bool pointerThreadRunning() { return pointerThreadAlive; }

void pointerThread() {
    pthread_setname_np(pthread_self(), "pointer");
    pointerThreadAlive = true;
    int pollCount = 0, bursts = 0;
    while (!app.quitRequested) {
        if (pollCount >= 5) {
            pollCount = 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        // A pad reports every 4 to 8 ms: reading it once in four bursts misses nothing.
        if (pollCount == 0 && bursts++ % 4 == 0) pollPadOnce();
        pollCount++;
        pollPointerOnce();
    }
    closePointerConnection();
    pointerThreadAlive = false;  // whoever sees this may reuse what the thread read
}

void refreshPointerSnapshot() {
    pointer.pointerX = live.x;
    pointer.pointerY = live.y;
    pointer.pointerOutside = live.outside;
    pointer.leftDown = live.leftDown;
    pointer.rightDown = live.rightDown && !touchMode;
    pointer.pressLatch = live.pressLatch;
    // Holding the right button shows the tooltip under the pointer at once.
    if (pointer.rightDown && playing()) holdHoverOpen();
}

void waitForClick(int ms) {
    if (ms <= 0) return;
    std::unique_lock<std::mutex> lock(clickMutex);
    clickQueued.wait_for(lock, std::chrono::milliseconds(ms), [] { return !clicks.empty(); });
}

int runQueuedClicks() {
    std::deque<Click> taken;
    {
        std::lock_guard<std::mutex> lock(clickMutex);
        taken.swap(clicks);
    }
    for (const Click& click : taken) {
        pointer.pointerX = click.x;
        pointer.pointerY = click.y;
        pointer.pointerOutside = false;
        pointer.leftDown = true;
        pointer.pressLatch = true;
        dispatchClickNow();
    }
    if (!taken.empty()) refreshPointerSnapshot();
    return static_cast<int>(taken.size());
}

void resetInput() {
    {
        std::lock_guard<std::mutex> lock(clickMutex);
        clicks.clear();
    }
    live.x = 0;
    live.y = 0;
    live.readX = live.readY = 0;
    live.mouseX = live.mouseY = 0;
    live.outside = true;
    padPointer = PadPointer{};
    padInUse = false;
    takePadPresses();  // a press the last test left unread
    padWalk = 0;
    warpPending = false;
    leftStickPoints = true;
    live.leftDown = live.rightDown = live.pressLatch = false;
    pointer = PointerState{};
    touchMode = false;
}

bool pointerInRect(int cx, int cy, float w, float h) {
    if (pointer.pointerOutside) return false;
    int left = static_cast<int>(cx - w / 2), top = static_cast<int>(cy - h / 2);
    return pointer.pointerX >= left && pointer.pointerX < left + w && pointer.pointerY >= top &&
           pointer.pointerY < top + h;
}

bool pointerInRectInt(int cx, int cy, int w, int h) {
    if (pointer.pointerOutside) return false;
    int left = cx - w / 2, top = cy - h / 2;
    return pointer.pointerX >= left && pointer.pointerX < left + w && pointer.pointerY >= top &&
           pointer.pointerY < top + h;
}
