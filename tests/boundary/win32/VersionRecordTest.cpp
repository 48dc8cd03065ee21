// The version record of the built library, read back the way Windows' file properties do.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/PluginFolder.h"

namespace {

class VersionRecord : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string path = qs_test::BuiltLibraryPath();
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        ASSERT_GT(size, 0u) << "no version record in " << path;
        record_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, record_.data()));
    }

    // The value under the sub-block, or nullptr with its size 0.
    const void* Query(const std::string& subBlock, UINT* size) {
        void* value = nullptr;
        *size = 0;
        if (!VerQueryValueA(record_.data(), subBlock.c_str(), &value, size)) return nullptr;
        return value;
    }

    std::string Text(const std::string& name) {
        UINT size = 0;
        const char* value = static_cast<const char*>(Query("\\StringFileInfo\\040C04E4\\" + name, &size));
        if (value == nullptr) return "(missing)";
        return std::string(value, strnlen(value, size));
    }

private:
    std::vector<char> record_;
};

}  // namespace

TEST_F(VersionRecord, FixedPartIsVersion1000For32BitWindowsApplications) {
    UINT size = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query("\\", &size));
    ASSERT_NE(fixed, nullptr);
    ASSERT_GE(size, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, 1u);
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u);
}

TEST_F(VersionRecord, IsFrenchInCodePage1252) {
    UINT size = 0;
    const auto* translation = static_cast<const WORD*>(Query("\\VarFileInfo\\Translation", &size));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(size, 2 * sizeof(WORD));
    EXPECT_EQ(translation[0], 0x040C);
    EXPECT_EQ(translation[1], 1252);
}

TEST_F(VersionRecord, StringsNameTheLibraryAndItsMaker) {
    const std::pair<const char*, const char*> expected[] = {
        {"FileVersion", "1.0.0.0"},
        {"ProductVersion", "1.0.0.0"},
        {"FileDescription", "Quickseek"},
        {"InternalName", "Quickseek"},
        {"ProductName", "Quickseek"},
        {"OriginalFilename", "Quickseek.dll"},
        // The maker's fields: the about box names the same maker.
        {"CompanyName", "The Quickseek developers"},
        {"LegalCopyright", "Copyright (C) 2026 The Quickseek developers"},
        {"LegalTrademarks", "No trademark is claimed for Quickseek"},
        {"Comments", "Tidewire plug-in: web search on the selected text"},
    };
    for (const auto& [name, value] : expected) EXPECT_EQ(Text(name), value) << name;
}

TEST(VersionResource, IsFiledUnderFrench) {
    HMODULE library = LoadLibraryExA(qs_test::BuiltLibraryPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(library, nullptr);
    EXPECT_NE(FindResourceExA(library, MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1),
                              MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)),
              nullptr);
    FreeLibrary(library);
}
