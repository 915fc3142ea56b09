// pointer_x11.cpp -- one XQueryPointer per poll and one XGetInputFocus per burst, on a private connection
#include "engine/pointer_x11.h"

#include <X11/Xlib.h>

namespace {
Display* display = nullptr;  // used by the pointer thread only
int readsSinceFocus = 0;     // the focus is asked once in every burst of five reads
bool lastFocused = false;
XErrorHandler previousHandler = nullptr;

// A window replaced (full screen on or off) between two polls answers with
// BadWindow; on this connection that only means "no reading this time".
int ignoreOwnErrors(Display* from, XErrorEvent* error) {
    if (from == display) return 0;
    return previousHandler ? previousHandler(from, error) : 0;
}
}  // namespace

bool openPointerConnection() {
    if (display) return true;
    display = XOpenDisplay(nullptr);
    if (display) previousHandler = XSetErrorHandler(ignoreOwnErrors);
    return display != nullptr;
}

void closePointerConnection() {
    if (display) XCloseDisplay(display);
    display = nullptr;
}

bool readRawPointer(unsigned long window, RawPointer& out) {
    if (!display || window == 0) return false;
    Window root, child, focus;
    int rootX, rootY, winX, winY, revert;
    unsigned int mask;
    if (!XQueryPointer(display, window, &root, &child, &rootX, &rootY, &winX, &winY, &mask))
        return false;  // the pointer is on another screen
    if (readsSinceFocus++ % 5 == 0) {
        XGetInputFocus(display, &focus, &revert);
        lastFocused = focus == window;
    }
    out.focused = lastFocused;
    out.pixelX = winX;
    out.pixelY = winY;
    out.left = mask & Button1Mask;
    out.right = mask & Button3Mask;
    return true;
}
