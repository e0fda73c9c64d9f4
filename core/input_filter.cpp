#include "input_filter.h"

#include <clocale>

bool IsInputCharAllowed(int32_t mode, char16_t decimalPoint, uint32_t ch) {
    if (mode != modeUnsigned && mode != modeDecimal) return true;
    if (ch >= u'0' && ch <= u'9') return true;
    if (ch == 0x08) return true;  // backspace
    return mode == modeDecimal && ch == decimalPoint;
}

EditCommand MapCtrlShortcut(uint32_t virtualKey) {
    switch (virtualKey) {
        case 'A': return cmdSelectAll;
        case 'C': return cmdCopy;
        case 'V': return cmdPaste;
        case 'X': return cmdCut;
        case 'Z': return cmdUndo;
        default: return cmdNone;
    }
}

char16_t GetDecimalPointChar() {
    const std::lconv* conventions = std::localeconv();
    return static_cast<char16_t>(static_cast<unsigned char>(conventions->decimal_point[0]));
}
