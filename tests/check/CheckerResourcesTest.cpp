// The checker parses shortcuts with the plug-in's code, which loads the modifier texts from the
// running program's string table: the checker's must be the library's.
#include <gtest/gtest.h>

#include "shortcut/MyShortcut.h"

TEST(CheckerResources, ModifierTextsAreTheLibrarys) {
    const qs::ModifierTexts& texts = qs::LoadedModifierTexts();
    EXPECT_EQ(texts.ShiftPrefix, "Maj+");
    EXPECT_EQ(texts.CtrlPrefix, "Ctrl+");
    EXPECT_EQ(texts.AltPrefix, "Alt+");
    EXPECT_EQ(qs::ParseShortcut("Ctrl+Alt+F10"), 0xC079);
}
