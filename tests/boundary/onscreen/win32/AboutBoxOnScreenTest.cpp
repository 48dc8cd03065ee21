// The about box on a screen (run under a virtual X server): a second thread waits for the box,
// reads it as the user would see it and presses OK, and ShowInformation must return then.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "tests/boundary/LoadedPlugin.h"

namespace {

const std::string Caption = "A propos de...";
const std::string AboutLine = "Quickseek Version 1.0.0.0 Copyright (C) 2026 The Quickseek developers";
const std::string Warning = "\r\n\r\nCe plugin n\xE9" "cessite une version sup\xE9" "rieure de Tidewire...";
// Wine under emulation is slow to draw its first window.
constexpr auto BoxDeadline = std::chrono::minutes(5);

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string ClassName(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// What the box showed.
struct SeenBox {
    bool found = false;
    std::string caption;
    std::string className;
    bool owned = false;
    std::vector<std::string> texts;    // visible static texts
    std::vector<std::string> buttons;  // visible buttons
    int icons = 0;                     // visible statics that hold an icon
};

BOOL CALLBACK ReadChild(HWND child, LPARAM seenAddress) {
    SeenBox& seen = *reinterpret_cast<SeenBox*>(seenAddress);
    if (!IsWindowVisible(child)) return TRUE;
    const std::string className = ClassName(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(className.c_str(), "Button") == 0) {
        seen.buttons.push_back(WindowText(child));
    } else if (lstrcmpiA(className.c_str(), "Static") == 0) {
        if ((style & SS_TYPEMASK) == SS_ICON) {
            seen.icons += SendMessageA(child, STM_GETICON, 0, 0) != 0;
        } else if (!WindowText(child).empty()) {
            seen.texts.push_back(WindowText(child));
        }
    }
    return TRUE;
}

BOOL CALLBACK CloseAnyWindow(HWND window, LPARAM) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Watches for the box from its own thread and closes it with its OK button. Should no box
// with the caption show up, it closes whatever window the plug-in's thread opened, so that a
// wrong box fails the test instead of hanging it.
class BoxCloser {
public:
    BoxCloser() : pluginThread_(GetCurrentThreadId()), thread_([this] { Run(); }) {}
    ~BoxCloser() { Stop(); }

    // Called once ShowInformation has returned.
    SeenBox Stop() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
        return seen_;
    }

private:
    void Run() {
        const auto deadline = std::chrono::steady_clock::now() + BoxDeadline;
        while (!done_) {
            HWND box = FindWindowA(nullptr, Caption.c_str());
            if (box != nullptr && IsWindowVisible(box)) {
                Read(box);
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                EnumThreadWindows(pluginThread_, CloseAnyWindow, 0);
                std::this_thread::sleep_for(std::chrono::seconds(1));
                continue;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }

    void Read(HWND box) {
        seen_.found = true;
        seen_.caption = WindowText(box);
        seen_.className = ClassName(box);
        seen_.owned = GetWindow(box, GW_OWNER) != nullptr;
        EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&seen_));
    }

    DWORD pluginThread_;
    std::atomic<bool> done_{false};
    SeenBox seen_;
    std::thread thread_;
};

}  // namespace

using AboutBoxOnScreen = LoadedPlugin;

TEST_F(AboutBoxOnScreen, ShowsTheTextWithOneOkButtonAndReturnsWhenClosed) {
    struct Case {
        unsigned major, minor, release, build;
        std::string text;
    };
    // The host's version decides the warning: the parts are weighted, 1802 is the oldest
    // supported.
    const Case cases[] = {
        {1, 8, 0, 2, AboutLine},
        {1, 8, 0, 1, AboutLine + Warning},
        {1, 7, 9, 9, AboutLine + Warning},
        {2, 0, 0, 0, AboutLine},
        {1, 7, 10, 2, AboutLine},
        {0, 18, 0, 2, AboutLine},
    };
    const host::PluginExports& plugin = Load();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.major) + "." + std::to_string(c.minor) + "." + std::to_string(c.release) + "." +
                     std::to_string(c.build));
        host::SetHostVersion(c.major, c.minor, c.release, c.build);
        BoxCloser closer;
        plugin.ShowInformation();
        const SeenBox seen = closer.Stop();

        ASSERT_TRUE(seen.found) << "no window captioned \"" << Caption << "\"";
        EXPECT_EQ(seen.caption, Caption);
        EXPECT_EQ(seen.className, "#32770");
        EXPECT_FALSE(seen.owned);
        EXPECT_EQ(seen.texts, std::vector<std::string>{c.text});
        EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
        EXPECT_EQ(seen.icons, 0);
    }
}
