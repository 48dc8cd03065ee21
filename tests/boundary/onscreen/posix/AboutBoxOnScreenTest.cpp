// The about box on a screen (run under a virtual X server): a second thread waits for the
// dialog tool's window with the caption and closes it as a window manager would, and
// ShowInformation must return then. The text itself is checked where it goes to standard
// error; a dialog tool's window does not give it back.

// Xlib defines macros (None, Bool, Status) that would break gtest: it comes last.
#include "tests/boundary/LoadedPlugin.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <X11/Xlib.h>

namespace {

const std::string Caption = "A propos de...";
constexpr auto BoxDeadline = std::chrono::seconds(60);

bool DialogToolInPath() {
    const char* path = std::getenv("PATH");
    std::string directories = path ? path : "";
    for (std::size_t start = 0; start <= directories.size();) {
        std::size_t end = directories.find(':', start);
        if (end == std::string::npos) end = directories.size();
        for (const char* tool : {"zenity", "kdialog", "xmessage"})
            if (access((directories.substr(start, end - start) + "/" + tool).c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

std::string WindowName(Display* display, Window window) {
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || name == nullptr) return std::string();
    std::string text = name;
    XFree(name);
    return text;
}

// The viewable window with that name, searched depth first; 0 when there is none.
Window FindViewable(Display* display, Window parent, const std::string& name) {
    Window root = 0, parentOfParent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &parentOfParent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes{};
        if (WindowName(display, children[i]) == name && XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable)
            found = children[i];
        else
            found = FindViewable(display, children[i], name);
    }
    if (children) XFree(children);
    return found;
}

bool Exists(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

// Closes the box as a window manager would: the tool is asked to delete its window; a tool
// that does not listen is cut off from the display.
void Close(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    for (int wait = 0; wait < 50 && Exists(display, window); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (Exists(display, window)) XKillClient(display, window);
    XSync(display, False);
}

// Ends the programs this test process started (the dialog tool among them).
void EndOwnChildren() {
    DIR* processes = opendir("/proc");
    if (processes == nullptr) return;
    while (const dirent* entry = readdir(processes)) {
        const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
        if (pid <= 0) continue;
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string line;
        std::getline(stat, line);
        // pid (name) state ppid ...: the name may hold spaces, the last ")" ends it.
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream rest(line.substr(close + 1));
        std::string state;
        pid_t parent = 0;
        rest >> state >> parent;
        if (parent == getpid()) kill(pid, SIGTERM);
    }
    closedir(processes);
}

// Watches for the box from its own thread, with a display connection of its own.
class BoxCloser {
public:
    BoxCloser() : thread_([this] { Run(); }) {}
    ~BoxCloser() { Stop(); }

    // Called once ShowInformation has returned; true when the box was seen and closed.
    bool Stop() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
        return found_;
    }

private:
    void Run() {
        const auto deadline = std::chrono::steady_clock::now() + BoxDeadline;
        // An X server resets when its last client leaves and refuses connections meanwhile.
        Display* display = nullptr;
        while (!done_ && std::chrono::steady_clock::now() < deadline && (display = XOpenDisplay(nullptr)) == nullptr)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (display != nullptr) {
            XSetErrorHandler(IgnoreErrors);
            while (!done_ && !found_ && std::chrono::steady_clock::now() < deadline) {
                const Window box = FindViewable(display, DefaultRootWindow(display), Caption);
                if (box != 0) {
                    found_ = true;
                    Close(display, box);
                } else {
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                }
            }
            XCloseDisplay(display);
        }
        // No box with the caption: end the tool, so that a wrong box fails the test instead
        // of hanging it.
        while (!done_ && !found_) {
            EndOwnChildren();
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
    }

    std::atomic<bool> done_{false};
    std::atomic<bool> found_{false};
    std::thread thread_;
};

}  // namespace

using AboutBoxOnScreen = LoadedPlugin;

TEST_F(AboutBoxOnScreen, AppearsWithItsCaptionAndReturnsWhenClosed) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') GTEST_SKIP() << "no display";
    if (!DialogToolInPath()) GTEST_SKIP() << "no dialog tool (zenity, kdialog, xmessage) in PATH";

    const host::PluginExports& plugin = Load();
    for (bool supported : {true, false}) {
        host::SetHostVersion(1, 8, 0, supported ? 2 : 1);
        BoxCloser closer;
        const auto start = std::chrono::steady_clock::now();
        plugin.ShowInformation();
        EXPECT_TRUE(closer.Stop()) << "no window captioned \"" << Caption << "\" appeared";
        EXPECT_LT(std::chrono::steady_clock::now() - start, BoxDeadline);
    }
}
