#include "input_filter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct CharCase {
    uint32_t ch;
    bool unsignedAllows;
    bool decimalAllows;
};

class CharacterFilter : public ::testing::TestWithParam<CharCase> {};

TEST_P(CharacterFilter, UnsignedAndDecimalModesLetOnlyTheirCharactersThrough) {
    const char16_t point = u'.';
    EXPECT_EQ(IsInputCharAllowed(modeUnsigned, point, GetParam().ch), GetParam().unsignedAllows);
    EXPECT_EQ(IsInputCharAllowed(modeDecimal, point, GetParam().ch), GetParam().decimalAllows);
}

TEST_P(CharacterFilter, EveryOtherModeLetsEverythingThrough) {
    for (const int32_t mode : {0, 3, 7, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_TRUE(IsInputCharAllowed(mode, u'.', GetParam().ch)) << "mode " << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CharacterFilter,
    ::testing::Values(
        CharCase{'0', true, true}, CharCase{'7', true, true}, CharCase{'9', true, true},
        CharCase{0x08, true, true},  // backspace
        CharCase{'.', false, true}, CharCase{',', false, false}, CharCase{'-', false, false},
        CharCase{'+', false, false}, CharCase{'e', false, false}, CharCase{'E', false, false},
        CharCase{' ', false, false}, CharCase{'%', false, false}, CharCase{'/', false, false},
        CharCase{':', false, false},  // the neighbours of the digit range
        // control codes: Enter, Tab, Esc and the characters of Ctrl+A/C/V/X/Z
        CharCase{13, false, false}, CharCase{9, false, false}, CharCase{27, false, false},
        CharCase{1, false, false}, CharCase{3, false, false}, CharCase{22, false, false},
        CharCase{24, false, false}, CharCase{26, false, false}, CharCase{0, false, false},
        CharCase{0x7F, false, false},
        // full-width digits, full-width and ideographic full stops
        CharCase{0xFF10, false, false}, CharCase{0xFF15, false, false},
        CharCase{0xFF19, false, false}, CharCase{0xFF0E, false, false},
        CharCase{0x3002, false, false},
        // values that only match in their low byte or low 16 bits
        CharCase{0x0130, false, false}, CharCase{0x10030, false, false},
        CharCase{0x1002E, false, false}, CharCase{0xD800, false, false}));

TEST(CharacterFilter, DecimalModeUsesTheGivenPointCharacter) {
    EXPECT_TRUE(IsInputCharAllowed(modeDecimal, u',', ','));
    EXPECT_FALSE(IsInputCharAllowed(modeDecimal, u',', '.'));
    EXPECT_FALSE(IsInputCharAllowed(modeUnsigned, u',', ','));
}

TEST(CharacterFilter, ProgramPointIsTheClassicPoint) {
    EXPECT_EQ(GetDecimalPointChar(), u'.');
}

struct ShortcutCase {
    uint32_t virtualKey;
    EditCommand expected;
};

class Shortcuts : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(Shortcuts, MapLetterKeysToEditCommands) {
    EXPECT_EQ(MapCtrlShortcut(GetParam().virtualKey), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Shortcuts,
    ::testing::Values(ShortcutCase{0x41, cmdSelectAll}, ShortcutCase{0x43, cmdCopy},
                      ShortcutCase{0x56, cmdPaste}, ShortcutCase{0x58, cmdCut},
                      ShortcutCase{0x5A, cmdUndo}, ShortcutCase{0x42, cmdNone},
                      ShortcutCase{0x30, cmdNone}, ShortcutCase{0x39, cmdNone},
                      ShortcutCase{0x70, cmdNone} /* F1 */, ShortcutCase{0x7B, cmdNone} /* F12 */,
                      // 0x61 (numpad 1) and 0x76 (F7) share the codes of lower-case a and v
                      ShortcutCase{'a', cmdNone}, ShortcutCase{'v', cmdNone},
                      ShortcutCase{0x141, cmdNone}, ShortcutCase{0, cmdNone}));

}  // namespace
