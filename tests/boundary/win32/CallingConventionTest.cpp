// Every export removes its own arguments from the stack and gives a boolean as exactly 0 or 1
// in the low byte of EAX. Calls are made from assembly so that the compiler cannot hide a
// stack that is left unbalanced.
#include <cstdint>

#include "tests/boundary/LoadedPlugin.h"

namespace {

struct RawResult {
    std::uint32_t eax;
    std::uint32_t bytesLeftOnStack;
};

__attribute__((noinline, optimize("no-omit-frame-pointer"))) RawResult CallWithArguments(
    void* function, const std::uint32_t* arguments, std::uint32_t count) {
    std::uint32_t eax, left;
    asm volatile(
        "pushl %%ebp\n\t"
        "movl %%esp, %%ebp\n\t"
        "movl %[count], %%ecx\n\t"
        "1:\n\t"
        "testl %%ecx, %%ecx\n\t"
        "jz 2f\n\t"
        "decl %%ecx\n\t"
        "pushl (%[arguments],%%ecx,4)\n\t"
        "jmp 1b\n\t"
        "2:\n\t"
        "call *%[function]\n\t"
        "movl %%ebp, %%edx\n\t"
        "subl %%esp, %%edx\n\t"
        "movl %%ebp, %%esp\n\t"
        "popl %%ebp\n\t"
        : "=&a"(eax), "=&d"(left)
        : [function] "b"(function), [arguments] "S"(arguments), [count] "D"(count)
        : "ecx", "memory", "cc");
    return {eax, left};
}

std::uint32_t Arg(const void* pointer) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer)); }

}  // namespace

using CallingConvention = LoadedPlugin;

TEST_F(CallingConvention, EachExportRemovesItsArgumentsAndAnswersOneByteBooleans) {
    Load();
    Host().selection = "text";
    std::uint8_t enabled = 0, visible = 0;
    char caption[512] = {}, bitmap[64] = {}, name[4096] = {};
    std::int32_t icon = 0, position = 0, count = 0, length = 0;

    struct Case {
        const char* name;
        std::uint32_t arguments[5];
        std::uint32_t count;
        bool boolean;
    } cases[] = {
        {"Init", {0, 0}, 2, false},
        {"DefinirUnSousMenu", {0xFFFFFFFFu, Arg(&enabled), Arg(&visible), 0, Arg(caption)}, 5, true},
        {"DefinirUnSousMenu", {0, Arg(&enabled), Arg(&visible), 0, Arg(caption)}, 5, true},
        {"OnClicSousMenu", {3}, 1, true},
        {"AjouterBoutonRaccourciMenu", {1, Arg(&icon), Arg(bitmap), Arg(&position), Arg(&count)}, 5, true},
        {"AjouterBoutonRaccourciMenu", {2, Arg(&icon), Arg(bitmap), Arg(&position), Arg(&count)}, 5, true},
        {"OnGereRaccourci", {99}, 1, true},
        {"NomPlugin", {Arg(name), Arg(&length)}, 2, true},
        {"ApresCreationPlugin", {}, 0, false},
        {"ShowInformation", {}, 0, false},
    };
    for (const Case& test : cases) {
        void* function = Library().ExportByName(test.name);
        ASSERT_NE(function, nullptr) << test.name;
        const RawResult result = CallWithArguments(function, test.arguments, test.count);
        EXPECT_EQ(result.bytesLeftOnStack, 0u) << test.name;
        if (test.boolean) {
            EXPECT_LE(result.eax & 0xFFu, 1u) << test.name;
        }
    }
}

TEST_F(CallingConvention, OrdinalsOneToEightNameTheExportsInOrder) {
    Load();
    for (int ordinal = 1; ordinal <= 8; ++ordinal)
        EXPECT_EQ(Library().ExportByOrdinal(ordinal), Library().ExportByName(host::ExportNames[ordinal - 1]))
            << ordinal;
    EXPECT_EQ(Library().ExportByOrdinal(9), nullptr);
}
