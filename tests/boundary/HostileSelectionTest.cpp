// A host whose selection functions misbehave: lengths that do not match what it writes,
// texts without their zero, zero bytes inside, huge and empty selections, and a language code
// without its zero. The plug-in must answer as documented, and stay usable afterwards.
#include <climits>
#include <optional>
#include <string>

#include "tests/boundary/HostedPlugin.h"

namespace {

// No encoding, no trimming and no clipboard: the address shows the text exactly as read.
const std::string RawEntry =
    "[OPTION]\nENCODE=0\nTRIM=0\nCLIPBOARD=0\nBEEP=1\nCTRLMENU=1\n"
    "[SEARCH_A]\nfr_TITLE=A\nfr_URL=q=%1\n";

class HostileSelection : public HostedPlugin {
protected:
    // After whatever the host did before, an ordinary selection still runs a search.
    void ExpectAnOrdinaryRunAfterwards(std::size_t openedBefore) {
        Host() = host::HostScript{};
        Host().selection = "after";
        EXPECT_EQ(Plugin().OnClicSousMenu(0), 1);
        const std::vector<std::string> opened = Opened(openedBefore + 1);
        ASSERT_EQ(opened.size(), openedBefore + 1);
        EXPECT_EQ(opened.back(), "q=after");
    }
};

TEST_F(HostileSelection, LengthsAndTextsThatDoNotAgree) {
    struct Case {
        const char* what;
        std::optional<std::string> selection;
        std::optional<std::int32_t> reportedLength;
        std::optional<std::string> writtenText;
        bool writeTerminator;
        std::optional<std::string> read;  // the text the search runs on; none: refused with a beep
        int textCalls;                    // calls of TexteSelectionne by one click
    };
    const Case cases[] = {
        {"length 0", std::string("word"), 0, std::nullopt, true, std::nullopt, 0},
        {"length -1", std::string("word"), -1, std::nullopt, true, std::nullopt, 0},
        {"the most negative length", std::string("word"), INT_MIN, std::nullopt, true, std::nullopt, 0},
        {"more reported than written", std::string("word"), 40, std::nullopt, true, std::string("word"), 1},
        {"more reported, written without a zero", std::string("word"), 40, std::nullopt, false, std::string("word"), 1},
        {"less reported than the selection", std::string("word"), 2, std::nullopt, true, std::string("wo"), 1},
        {"less reported, written without a zero", std::string("word"), 2, std::nullopt, false, std::string("wo"), 1},
        {"exact length without a zero", std::string("word"), std::nullopt, std::nullopt, false, std::string("word"), 1},
        {"a zero inside", std::string("ab\0cd", 5), std::nullopt, std::nullopt, true, std::string("ab"), 1},
        {"a zero first", std::string("\0abc", 4), std::nullopt, std::nullopt, true, std::nullopt, 1},
        {"writes an empty text", std::string("word"), std::nullopt, std::string(), true, std::nullopt, 1},
        {"writes another text", std::string("word"), std::nullopt, std::string("else"), true, std::string("else"), 1},
    };
    Start(RawEntry);
    std::size_t opened = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Host() = host::HostScript{};
        Host().selection = c.selection;
        Host().reportedLength = c.reportedLength;
        Host().writtenText = c.writtenText;
        Host().writeTerminator = c.writeTerminator;

        const MenuItem item = Describe(0);
        EXPECT_TRUE(item.exists);
        EXPECT_EQ(item.enabled, c.read ? 1 : 0);
        EXPECT_EQ(Host().CountCalls("TexteSelectionne"), c.textCalls);

        Host().ClearCalls();
        EXPECT_EQ(Plugin().OnClicSousMenu(0), 1);
        EXPECT_EQ(Host().CountCalls("TexteSelectionne"), c.textCalls);
        EXPECT_EQ(Host().CountCalls("Beep"), c.read ? 0 : 1);
        if (c.read) ++opened;
        const std::vector<std::string> addresses = Opened(opened);
        ASSERT_EQ(addresses.size(), opened);
        if (c.read) {
            EXPECT_EQ(addresses.back(), "q=" + *c.read);
        }
    }
    ExpectAnOrdinaryRunAfterwards(opened);
}

// INT_MAX asks for a block of 2 GiB: a 32-bit host cannot give it, a 64-bit one may. Either
// way the call returns with its documented answer and nothing crashes.
TEST_F(HostileSelection, TheLargestLengthEndsQuietlyInTheMenuToo) {
    Start(RawEntry);
    Host().selection = "word";
    Host().reportedLength = INT_MAX;
    const MenuItem item = Describe(0);
    if (item.exists) {
        EXPECT_EQ(item.enabled, 1);
        EXPECT_EQ(item.caption, "A");
    } else {
        // The failure came before anything was written.
        EXPECT_EQ(item.enabled, 0x77);
        EXPECT_EQ(item.visible, 0x77);
    }
    ExpectAnOrdinaryRunAfterwards(0);
}

TEST_F(HostileSelection, SixteenMebibytesRunWholeAndSpacesOnlyAreRefused) {
    const std::size_t size = 16u << 20;
    Start(RawEntry +
          "[SEARCH_LAST_WORD]\nfr_TITLE=Last\nfr_URL=q=%1\nfr_NAVIGATOR=0\nfr_REGEXP=(?i)omega$\n"
          "[SEARCH_SPACES]\nfr_TITLE=Spaces\nfr_URL=q=%1\nfr_TRIM=1\n");

    std::string text(size, 'x');
    text.replace(size - 5, 5, "Omega");
    Host().selection = text;
    EXPECT_EQ(Describe(1).enabled, 1);
    EXPECT_EQ(Plugin().OnClicSousMenu(1), 1);
    EXPECT_EQ(Host().CountCalls("Beep"), 0);
    text.push_back('\n');  // the pattern is anchored at the very end, not before a line break
    Host().selection = text;
    EXPECT_EQ(Describe(1).enabled, 0);

    Host().selection = std::string(size, ' ');
    Host().ClearCalls();
    EXPECT_EQ(Describe(2).enabled, 0);
    EXPECT_EQ(Plugin().OnClicSousMenu(2), 1);
    EXPECT_EQ(Host().CountCalls("Beep"), 1);
    EXPECT_TRUE(Opened().empty());
    ExpectAnOrdinaryRunAfterwards(0);
}

// The host's language code arrives in a three-byte buffer that the host may fill completely.
TEST_F(HostileSelection, ALanguageCodeWithoutItsZeroReadsTwoLetters) {
    struct Case {
        std::string bytes;
        const char* caption;
        const char* name;
    } cases[] = {
        {"ENx", "English", "Web lookup"},
        {"frX", "Fran\xE7" "ais", "Recherche"},
        {"", "Fran\xE7" "ais", "Recherche"},  // writes nothing: read as no language
        {"\x80\xFF\xFE", "Fran\xE7" "ais", "Quickseek"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        Host() = host::HostScript{};
        Host().languageBytes = c.bytes;
        Start("[DESCRIPTION]\nen_NAME=Web lookup\nfr_NAME=Recherche\n"
              "[SEARCH_A]\nfr_TITLE=Fran\xE7" "ais\nen_TITLE=English\nfr_URL=q=%1\n");
        EXPECT_EQ(Captions(), std::vector<std::string>{c.caption});
        char name[64] = {};
        std::int32_t length = 0;
        EXPECT_EQ(Plugin().NomPlugin(name, &length), 1);
        EXPECT_STREQ(name, c.name);
        Stop();
    }
}

}  // namespace
