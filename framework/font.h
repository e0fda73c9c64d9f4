#pragma once
// CFont owns one font handle: the destructor deletes it.
#include <windows.h>

class CFont {
   public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont() { DeleteObject(); }

    // Replaces the held font (deleting it) with a new one from `logFont`.
    BOOL CreateFontIndirect(const LOGFONTW* logFont);
    // Deletes the held font, if any. TRUE when a font was deleted.
    BOOL DeleteObject();
    HFONT GetSafeHandle() const { return m_hFont; }
    operator HFONT() const { return m_hFont; }
    // Reads the held font's description; 0 when there is none.
    int GetLogFont(LOGFONTW* logFont) const;

   private:
    HFONT m_hFont = nullptr;
};
