// one_copy_test.cpp -- the real game started twice on one saves/ folder: the second copy asks
// for the first one's window to come to the front and ends without touching saves/; a copy
// killed outright leaves the folder free for the next
#include "support/game_process.h"
#include "support/play.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

// Xlib's macros (None, Bool, Status...) would break the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace fs = std::filesystem;

namespace {

// Every file under saves/ with its bytes.
std::map<std::string, std::string> savesNow(const std::string& run) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(run + "/saves")) {
        std::stringstream bytes;
        bytes << std::ifstream(entry.path()).rdbuf();
        files[entry.path().filename()] = bytes.str();
    }
    return files;
}

void waitALittle() { std::this_thread::sleep_for(std::chrono::milliseconds(50)); }

long lockHolder(const std::string& run) {
    long pid = 0;
    std::ifstream(run + "/saves/lock") >> pid;
    return pid;
}

// Hears what clients ask of the root window, as a window manager would: the process whose
// window someone asked to bring to the front, 0 when nobody did.
long activatedProcess(Display* display) {
    XSync(display, False);
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != ClientMessage ||
            event.xclient.message_type != XInternAtom(display, "_NET_ACTIVE_WINDOW", False))
            continue;
        unsigned char* data = nullptr;
        Atom type;
        int format;
        unsigned long items = 0, after;
        XGetWindowProperty(display, event.xclient.window, XInternAtom(display, "_NET_WM_PID", False), 0, 1, False,
                           XA_CARDINAL, &type, &format, &items, &after, &data);
        long pid = items == 1 ? *reinterpret_cast<long*>(data) : 0;
        if (data) XFree(data);
        return pid;
    }
    return 0;
}

}  // namespace

TEST(OneCopy, ASecondCopyShowsTheFirstAndEndsWithoutTouchingSaves) {
    TempFolder run;  // a player past the chooser and the tutorial: a copy at its title writes nothing
    fs::create_directory_symlink(THORNVALE_ASSETS_DIR, run.path + "/assets");
    fs::copy_file(THORNVALE_GAME_BINARY, run.path + "/thornvale");
    fs::create_directory(run.path + "/saves");
    for (auto [name, text] : {settingsFile(), {"sL.kv", "1\n"}, {"hS.kv", "0\n0\n0\n"}})
        std::ofstream(run.path + "/saves/" + name) << text;
    std::unique_ptr<Display, int (*)(Display*)> desktop(XOpenDisplay(nullptr), XCloseDisplay);
    ASSERT_NE(desktop, nullptr);
    XSelectInput(desktop.get(), DefaultRootWindow(desktop.get()), SubstructureNotifyMask);
    GameProcess first(run.path + "/thornvale", run.path, {});
    for (int i = 0; i < 300 && lockHolder(run.path) == 0; i++) waitALittle();
    long firstPid = lockHolder(run.path);
    ASSERT_GT(firstPid, 0) << first.errors();
    // A second copy must end at once; it has a window to show once the first one's is up.
    auto startSecond = [&] {
        GameProcess second(run.path + "/thornvale", run.path, {});
        return second.waitForExit(10) == 0 ? activatedProcess(desktop.get()) : -1;
    };
    long shown = 0;
    for (int i = 0; i < 200 && (shown = startSecond()) == 0; i++) waitALittle();
    ASSERT_EQ(shown, firstPid) << "the first copy's window is asked to the front";
    std::map<std::string, std::string> before = savesNow(run.path);
    EXPECT_EQ(startSecond(), firstPid);
    EXPECT_EQ(savesNow(run.path), before) << "the second copy changed nothing under saves/";
    EXPECT_EQ(first.waitForExit(0), -1) << "the first copy plays on";

    first.stop();  // killed outright: the system frees its lock
    GameProcess third(run.path + "/thornvale", run.path, {});
    for (int i = 0; i < 300 && (lockHolder(run.path) == firstPid || lockHolder(run.path) == 0); i++) waitALittle();
    EXPECT_GT(lockHolder(run.path), 0);
    EXPECT_NE(lockHolder(run.path), firstPid) << "the next copy takes the folder";
    EXPECT_EQ(third.waitForExit(0), -1);
}
