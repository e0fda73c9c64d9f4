#include "font.h"

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont) {
    DeleteObject();
    if (logFont != nullptr) m_hFont = ::CreateFontIndirectW(logFont);
    return m_hFont != nullptr;
}

BOOL CFont::DeleteObject() {
    if (m_hFont == nullptr) return FALSE;
    const BOOL deleted = ::DeleteObject(m_hFont);
    m_hFont = nullptr;
    return deleted;
}

int CFont::GetLogFont(LOGFONTW* logFont) const {
    if (m_hFont == nullptr) return 0;
    return ::GetObjectW(m_hFont, sizeof(LOGFONTW), logFont);
}
