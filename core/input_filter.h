#pragma once
// The decisions a numeric field makes on every keystroke.
#include <cstdint>

enum InputMode : int32_t {
    modeAnyText = 0,
    modeUnsigned = 1,
    modeDecimal = 2,
};

enum EditCommand {
    cmdNone,
    cmdSelectAll,
    cmdCopy,
    cmdPaste,
    cmdCut,
    cmdUndo,
};

// Whether a typed character (one UTF-16 code unit) may enter a field of
// `mode`. Modes other than 1 and 2 let everything through.
bool IsInputCharAllowed(int32_t mode, char16_t decimalPoint, uint32_t ch);

// The edit command that Ctrl + `virtualKey` stands for.
EditCommand MapCtrlShortcut(uint32_t virtualKey);

// The first character of the C library's current decimal point string.
char16_t GetDecimalPointChar();
