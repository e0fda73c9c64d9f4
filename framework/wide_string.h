#pragma once
// CString: a small UTF-16 string with value semantics.
#include <windows.h>

#include <string>

class CString {
   public:
    CString() = default;
    CString(LPCWSTR text) : m_str(text ? text : L"") {}  // NOLINT: implicit like a literal
    CString(LPCWSTR text, int length) : m_str(text, text ? static_cast<size_t>(length) : 0) {}
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCWSTR text) {
        m_str = text ? text : L"";
        return *this;
    }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    LPCWSTR GetString() const { return m_str.c_str(); }
    operator LPCWSTR() const { return m_str.c_str(); }
    wchar_t GetAt(int index) const { return m_str.at(static_cast<size_t>(index)); }

    // Ordinal comparison: <0, 0, >0.
    int Compare(LPCWSTR other) const { return m_str.compare(other ? other : L""); }

    CString& operator+=(const CString& other) {
        m_str += other.m_str;
        return *this;
    }
    CString& operator+=(LPCWSTR text) {
        if (text) m_str += text;
        return *this;
    }
    CString& operator+=(wchar_t ch) {
        m_str += ch;
        return *this;
    }

    // printf-style formatting into this string; the result has no length limit.
    void Format(LPCWSTR format, ...);

    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, LPCWSTR right) { return left += right; }
    friend CString operator+(LPCWSTR left, const CString& right) { return CString(left) += right; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_str != b.m_str; }
    friend bool operator==(const CString& a, LPCWSTR b) { return a.Compare(b) == 0; }
    friend bool operator!=(const CString& a, LPCWSTR b) { return a.Compare(b) != 0; }
    friend bool operator==(LPCWSTR a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(LPCWSTR a, const CString& b) { return b.Compare(a) != 0; }

   private:
    std::wstring m_str;
};
