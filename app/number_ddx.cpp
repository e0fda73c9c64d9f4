#include "number_ddx.h"

#include <string>

#include "number_text.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "field text is UTF-16 on this platform");

namespace {

// The core speaks UTF-16 code units, the window layer wchar_t; both are the
// same 16-bit units here, copied one by one.
std::u16string ToU16(const CString& text) {
    const LPCWSTR units = text.GetString();
    return std::u16string(units, units + text.GetLength());
}

CString ToCString(const std::u16string& text) {
    const std::wstring units(text.begin(), text.end());
    return CString(units.c_str(), static_cast<int>(units.size()));
}

}  // namespace

void DDX_TrimmedDouble(CDataExchange* dx, int id, double& value, double fallback) {
    CString text;
    if (dx->m_bSaveAndValidate) {
        DDX_Text(dx, id, text);
        TextToDouble(ToU16(text), value, fallback);
    } else {
        text = ToCString(DoubleToText(value));
        DDX_Text(dx, id, text);
    }
}

void DDX_UIntText(CDataExchange* dx, int id, uint32_t& value) {
    CString text;
    if (dx->m_bSaveAndValidate) {
        DDX_Text(dx, id, text);
        TextToUInt(ToU16(text), value);
    } else {
        text = ToCString(UIntToText(value));
        DDX_Text(dx, id, text);
    }
}
