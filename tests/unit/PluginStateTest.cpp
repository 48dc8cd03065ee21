// The module state at load and the fixed-size records.
#include <gtest/gtest.h>

#include <string>

#include "plugin/PluginBase.h"

TEST(PluginState, HoldsItsBuiltInValuesAtLoad) {
    qs::ResetState();
    const qs::PluginState& state = qs::State();
    EXPECT_FALSE(state.SearchEntries.has_value());
    EXPECT_EQ(state.EntryCount, 0);
    EXPECT_EQ(state.PluginOptions.Shortcut, "Ctrl+F10");
    EXPECT_EQ(state.PluginOptions.Encode, 1);
    EXPECT_TRUE(state.PluginOptions.Navigator && state.PluginOptions.Clipboard && state.PluginOptions.Trim &&
                state.PluginOptions.CtrlMenu && state.PluginOptions.BeepOnFailure);
    EXPECT_EQ(state.CurrentEntry.Encode, 1);
    EXPECT_TRUE(state.CurrentEntry.Navigator && state.CurrentEntry.Clipboard && state.CurrentEntry.Trim);
    EXPECT_TRUE(state.CurrentEntry.Title.empty() && state.CurrentEntry.Url.empty() && state.CurrentEntry.RegExp.empty());
    EXPECT_TRUE(state.IniPath.empty());
    EXPECT_TRUE(state.PluginName.empty());
    EXPECT_FALSE(state.SearchBusy);
}

TEST(PluginState, RecordsCutTheirTextsToTheirCapacities) {
    qs::TCurrentEntry entry;
    entry.Title = std::string(150, 't');
    entry.Url = std::string(300, 'u');
    entry.RegExp = std::string(300, 'r');
    entry.Encode = 7;
    const qs::TSearchEntry record = entry.ToRecord();
    EXPECT_EQ(record.Title.Str(), std::string(100, 't'));
    EXPECT_EQ(record.Url.Str(), std::string(255, 'u'));
    EXPECT_EQ(record.RegExp.Str(), std::string(255, 'r'));
    EXPECT_EQ(record.Encode, 7);
}

TEST(PluginState, ReleaseClearsTheListAndTheStrings) {
    qs::ResetState();
    qs::PluginState& state = qs::State();
    state.SearchEntries.emplace(3);
    state.EntryCount = 3;
    state.IniPath = "x";
    state.PluginName = "y";
    state.Release();
    EXPECT_FALSE(state.SearchEntries.has_value());
    EXPECT_TRUE(state.IniPath.empty() && state.PluginName.empty() && state.PluginOptions.Shortcut.empty());
    qs::ResetState();
}
