// Fixture for tests that play a difficult host: the real library, loaded with a configuration,
// its desktop recorded, and helpers that read back what the host sees.
#pragma once
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "host/DesktopRecorder.h"
#include "tests/boundary/LoadedPlugin.h"

class HostedPlugin : public LoadedPlugin {
protected:
    // Writes Quickseek.ini (and Quickseek_MY.ini when given), loads the library and records its
    // desktop; calls Init when asked to.
    const host::PluginExports& Start(const std::string& configuration, bool init = true,
                                     const std::string& personal = std::string()) {
        Folder().Write("Quickseek.ini", configuration);
        if (!personal.empty()) Folder().Write("Quickseek_MY.ini", personal);
        plugin_ = &Load();
        if (init) plugin_->Init(0, 0);
        recorder_ = std::make_unique<host::DesktopRecorder>(Library());
        Host().ClearCalls();
        return *plugin_;
    }
    void Stop() {
        recorder_.reset();
        Unload();
        plugin_ = nullptr;
    }
    void TearDown() override {
        recorder_.reset();
        LoadedPlugin::TearDown();
    }

    const host::PluginExports& Plugin() const { return *plugin_; }
    host::DesktopRecorder& Desktop() { return *recorder_; }
    // The addresses handed to the shell so far; waits for `expected` where helpers run detached.
    std::vector<std::string> Opened(std::size_t expected = 0) {
        std::vector<std::string> files;
        for (const host::ShellCall& call : recorder_->ShellCalls(expected)) files.push_back(call.file);
        return files;
    }

    struct MenuItem {
        bool exists;
        QsBool enabled;
        QsBool visible;
        std::string caption;
    };
    // One item as the host asks for it; untouched out-arguments keep 0x77 and "zzz...".
    MenuItem Describe(std::int32_t index) {
        MenuItem item{false, 0x77, 0x77, ""};
        char caption[256];
        std::memset(caption, 'z', sizeof caption);
        caption[255] = '\0';
        item.exists = plugin_->DefinirUnSousMenu(index, &item.enabled, &item.visible, 0, caption) != 0;
        item.caption = caption;
        return item;
    }
    // The captions of the items that exist, in order.
    std::vector<std::string> Captions() {
        std::vector<std::string> captions;
        for (std::int32_t index = 0; index < 1000; ++index) {
            const MenuItem item = Describe(index);
            if (!item.exists) break;
            captions.push_back(item.caption);
        }
        return captions;
    }
    // The entry count the toolbar button reports at the place that has one by default.
    std::int32_t EntryCount() {
        std::int32_t icon = 0, position = 0, count = -7;
        char bitmap[64] = {};
        plugin_->AjouterBoutonRaccourciMenu(2, &icon, bitmap, &position, &count);
        return count;
    }

private:
    const host::PluginExports* plugin_ = nullptr;
    std::unique_ptr<host::DesktopRecorder> recorder_;
};
