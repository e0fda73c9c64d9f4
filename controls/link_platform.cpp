#include "link_platform.h"

#include <shellapi.h>

#include <vector>

#include "link_rules.h"

namespace {

// Closes a registry key on every way out.
class RegistryKey {
   public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (m_key != nullptr) RegCloseKey(m_key);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool OpenForQuery(HKEY root, const std::wstring& subKey) {
        return RegOpenKeyExW(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &m_key) == ERROR_SUCCESS;
    }
    HKEY Get() const { return m_key; }

   private:
    HKEY m_key = nullptr;
};

class SystemPlatform final : public LinkPlatform {
   public:
    intptr_t OpenTarget(HWND owner, const std::wstring& file) override {
        return reinterpret_cast<intptr_t>(
            ShellExecuteW(owner, L"open", file.c_str(), nullptr, nullptr, SW_SHOW));
    }

    std::optional<std::wstring> ReadClassesRootDefault(const std::wstring& subKey) override {
        RegistryKey key;
        if (!key.OpenForQuery(HKEY_CLASSES_ROOT, subKey)) return std::nullopt;
        // The value may change between asking for its size and reading it;
        // a few rounds settle any honest race.
        for (int attempt = 0; attempt < 4; ++attempt) {
            DWORD type = 0;
            DWORD size = 0;
            LSTATUS status = RegQueryValueExW(key.Get(), nullptr, nullptr, &type, nullptr, &size);
            if (status == ERROR_FILE_NOT_FOUND) return std::wstring();
            if (status != ERROR_SUCCESS) return std::nullopt;
            std::vector<BYTE> data(size);
            status = RegQueryValueExW(key.Get(), nullptr, nullptr, &type,
                                      data.empty() ? nullptr : data.data(), &size);
            if (status == ERROR_MORE_DATA) continue;
            if (status == ERROR_FILE_NOT_FOUND) return std::wstring();
            if (status != ERROR_SUCCESS || size > data.size()) return std::nullopt;
            const std::optional<std::u16string> text = DecodeRegistryText(type, data.data(), size);
            if (!text) return std::nullopt;
            return std::wstring(text->begin(), text->end());
        }
        return std::nullopt;
    }

    void Beep(UINT type) override { MessageBeep(type); }
};

LinkPlatform* g_current = nullptr;

// At namespace scope, not inside the function: it holds no state and is set
// up before anything runs, while a function's static would need a guard that
// links the C++ run-time's thread and exception support into the program.
SystemPlatform g_system;

}  // namespace

LinkPlatform& SystemLinkPlatform() {
    return g_system;
}

LinkPlatform& CurrentLinkPlatform() {
    return g_current != nullptr ? *g_current : SystemLinkPlatform();
}

ScopedLinkPlatform::ScopedLinkPlatform(LinkPlatform& platform) : m_previous(g_current) {
    g_current = &platform;
}

ScopedLinkPlatform::~ScopedLinkPlatform() {
    g_current = m_previous;
}
