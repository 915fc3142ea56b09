// one_copy.cpp -- the lock on saves/lock, and finding and raising the running copy's window
#include "engine/one_copy.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace {

const char* const lockFile = "saves/lock";
pid_t holderPid = 0;  // the copy that holds saves/, as its lock file names it

pid_t readHolder(int fd) {
    char text[24] = {};
    ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    return n > 0 ? static_cast<pid_t>(std::atol(text)) : 0;
}

void writeHolder(int fd) {
    std::string text = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, text.data(), text.size(), 0) < 0) return;  // only a help to others
}

int ignoreXError(Display*, XErrorEvent*) { return 0; }

long windowProcess(Display* display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                           &data) == Success && data) {
        if (type == XA_CARDINAL && format == 32 && items == 1) pid = *reinterpret_cast<long*>(data);
        XFree(data);
    }
    return pid;
}

// The whole tree is searched: a window manager puts the game's window inside a frame of its own.
Window findWindowOf(Display* display, Window window, Atom pidAtom, pid_t pid) {
    if (windowProcess(display, window, pidAtom) == pid) return window;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; i++) found = findWindowOf(display, children[i], pidAtom, pid);
    if (children) XFree(children);
    return found;
}

// The desktop's own way to bring a window to the front (it may decline); without a window
// manager, raising it is all there is.
void askToActivate(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // asked for by the player, who started the game again
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XRaiseWindow(display, window);
}

}  // namespace

bool claimSavesFolder() {
    int fd = ::open(lockFile, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        writeHolder(fd);
        return true;  // fd stays open: the lock lasts exactly as long as this process
    }
    bool taken = errno == EWOULDBLOCK;
    if (taken) holderPid = readHolder(fd);
    ::close(fd);
    return !taken;
}

void showRunningCopy() {
    if (holderPid <= 0) return;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return;
    XErrorHandler previous = XSetErrorHandler(ignoreXError);  // a window may close while we look
    Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    if (Window window = findWindowOf(display, DefaultRootWindow(display), pidAtom, holderPid))
        askToActivate(display, window);
    XSync(display, False);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
}

void markWindowWithProcess(unsigned long window) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return;
    long pid = ::getpid();
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&pid), 1);
    XCloseDisplay(display);
}
