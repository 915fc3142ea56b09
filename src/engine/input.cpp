// input.cpp -- the pointer thread, its queue of clicks, and pointer hit tests
#include "engine/input.h"

#include "engine/app_state.h"
#include "engine/hooks.h"
#include "engine/hover.h"
#include "engine/platform.h"
#include "engine/pointer_x11.h"

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
void pollPosition(int x, int y) {
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
    if (touchMode && !live.pressLatch) {
        live.leftDown = true;
        live.pressLatch = true;
        queueClick();
    }
}

}  // namespace

void pollPointerOnce() {
    PointerReading r;
    if (!platformReadPointer(r) || !r.focused) return;
    if (touchMode) pollButtonsTouchMode(r.left);
    else pollButtonsMouseMode(r.left, r.right);
    pollPosition(r.viewX, r.viewY);
}

namespace {
std::atomic<bool> pointerThreadAlive{false};
}

bool pointerThreadRunning() { return pointerThreadAlive; }

void pointerThread() {
    pthread_setname_np(pthread_self(), "pointer");
    pointerThreadAlive = true;
    int pollCount = 0;
    while (!app.quitRequested) {
        if (pollCount >= 5) {
            pollCount = 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
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
    live.outside = true;
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
