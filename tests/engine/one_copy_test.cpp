// one_copy_test.cpp -- the real game started twice on one saves/ folder: the second copy asks
// for the first one's window to come to the front and ends without touching saves/; a copy
// killed outright leaves the folder free for the next
#include "support/game_process.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <thread>

// Xlib's macros (None, Bool, Status...) would break the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace fs = std::filesystem;

namespace {

void writeText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// The game beside its assets, for a player past the chooser and the tutorial who sends no
// reports: a copy left at its title writes nothing under saves/.
void makeRunFolder(const std::string& run) {
    fs::create_directory_symlink(THORNVALE_ASSETS_DIR, run + "/assets");
    fs::copy_file(THORNVALE_GAME_BINARY, run + "/thornvale");
    fs::create_directory(run + "/saves");
    writeText(run + "/saves/sF.kv", "0\n1\n100\n1\n100\n0\n");
    writeText(run + "/saves/sL.kv", "1\n");
    writeText(run + "/saves/hS.kv", "0\n0\n0\n");
    writeText(run + "/saves/ch.eat", "noPost = true\n");
}

// Every file under saves/ with its bytes and the time it last changed.
std::map<std::string, std::string> savesNow(const std::string& run) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(run + "/saves")) {
        std::stringstream bytes;
        bytes << std::ifstream(entry.path()).rdbuf();
        files[entry.path().filename()] = bytes.str() + "@" +
            std::to_string(fs::last_write_time(entry.path()).time_since_epoch().count());
    }
    return files;
}

long lockHolder(const std::string& run) {
    std::ifstream in(run + "/saves/lock");
    long pid = 0;
    in >> pid;
    return pid;
}

// A second connection to the X server that hears what is asked of the root window, as a
// window manager would, and finds windows by the process that made them.
struct Desktop {
    Display* display = XOpenDisplay(nullptr);
    Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Desktop() { XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask); }
    ~Desktop() { XCloseDisplay(display); }

    long processOf(Window window) {
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        long pid = 0;
        if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                               &data) == Success && data) {
            if (items == 1) pid = *reinterpret_cast<long*>(data);
            XFree(data);
        }
        return pid;
    }

    bool hasWindowOf(long pid, Window window = 0) {
        if (window == 0) window = DefaultRootWindow(display);
        if (processOf(window) == pid) return true;
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        bool found = false;
        if (XQueryTree(display, window, &root, &parent, &children, &count))
            for (unsigned i = 0; i < count && !found; i++) found = hasWindowOf(pid, children[i]);
        if (children) XFree(children);
        return found;
    }

    // The process whose window a client asked to activate, or 0 when none was asked.
    long activatedProcess() {
        Atom activate = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
        XSync(display, False);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == activate)
                return processOf(event.xclient.window);
        }
        return 0;
    }
};

template <typename Condition>
bool waitFor(Condition holds) {
    for (int i = 0; i < 3000 && !holds(); i++) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return holds();
}

}  // namespace

TEST(OneCopy, ASecondCopyShowsTheFirstAndEndsWithoutTouchingSaves) {
    TempFolder run;
    makeRunFolder(run.path);
    Desktop desktop;
    ASSERT_NE(desktop.display, nullptr);
    GameProcess first(run.path + "/thornvale", run.path, {});
    ASSERT_TRUE(waitFor([&] { return lockHolder(run.path) > 0; })) << first.errors();
    long firstPid = lockHolder(run.path);
    ASSERT_TRUE(waitFor([&] { return desktop.hasWindowOf(firstPid); })) << first.errors();
    std::map<std::string, std::string> before = savesNow(run.path);

    GameProcess second(run.path + "/thornvale", run.path, {});
    EXPECT_EQ(second.waitForExit(), 0) << second.errors();
    EXPECT_EQ(desktop.activatedProcess(), firstPid) << "the first copy's window is asked to the front";
    EXPECT_EQ(first.waitForExit(0), -1) << "the first copy plays on";
    EXPECT_EQ(savesNow(run.path), before);

    first.stop();  // killed outright: the system frees its lock
    GameProcess third(run.path + "/thornvale", run.path, {});
    EXPECT_TRUE(waitFor([&] { return lockHolder(run.path) != firstPid && lockHolder(run.path) > 0; }))
        << third.errors();
    EXPECT_EQ(third.waitForExit(0), -1) << "the next copy plays";
}
