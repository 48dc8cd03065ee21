// Fixture: the real plug-in library loaded by this program, which plays the host.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/HostState.h"
#include "host/PluginLibrary.h"
#include "tests/support/PluginFolder.h"

class LoadedPlugin : public ::testing::Test {
protected:
    void SetUp() override {
        host::Script() = host::HostScript{};
        folder_ = std::make_unique<qs_test::PluginFolder>();
    }
    void TearDown() override {
        library_.reset();
        folder_.reset();
    }

    // Loads the library from the test's folder (after the test has written its files).
    const host::PluginExports& Load() {
        std::string error;
        library_ = host::PluginLibrary::Load(folder_->Path(), &error);
        if (!library_) ADD_FAILURE() << error;
        return library_->Exports();
    }
    void Unload() { library_.reset(); }

    qs_test::PluginFolder& Folder() { return *folder_; }
    host::PluginLibrary& Library() { return *library_; }
    host::HostScript& Host() { return host::Script(); }

private:
    std::unique_ptr<qs_test::PluginFolder> folder_;
    std::unique_ptr<host::PluginLibrary> library_;
};
