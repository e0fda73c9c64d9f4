#include "wide_string.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

void CString::Format(LPCWSTR format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = _vscwprintf(format, measure);
    va_end(measure);
    if (length < 0) {
        m_str.clear();
    } else {
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
        _vsnwprintf(buffer.data(), buffer.size(), format, args);
        m_str.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
}
