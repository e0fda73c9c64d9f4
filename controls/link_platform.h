#pragma once
// What a hyperlink label asks of the system when it is clicked: the shell's
// "open" verb, a look into the file-type associations, a beep. Tests put a
// scripted stand-in in place of the system for as long as they need it.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

class LinkPlatform {
   public:
    virtual ~LinkPlatform() = default;

    // ShellExecuteW with the "open" verb and SW_SHOW; above 32 is success,
    // 32 or less the shell's error code.
    virtual intptr_t OpenTarget(HWND owner, const std::wstring& file) = 0;

    // The default value of a key under HKEY_CLASSES_ROOT, read whole. Nothing
    // when the key cannot be opened for reading or the value is not text read
    // whole with its terminator. A key without a default value reads as empty.
    virtual std::optional<std::wstring> ReadClassesRootDefault(const std::wstring& subKey) = 0;

    virtual void Beep(UINT type) = 0;
};

// The one in use: the system unless a test swapped it.
LinkPlatform& CurrentLinkPlatform();

// The real thing: ShellExecuteW, the registry, MessageBeep.
LinkPlatform& SystemLinkPlatform();

// Puts `platform` in place for the lifetime of the object (tests only).
class ScopedLinkPlatform {
   public:
    explicit ScopedLinkPlatform(LinkPlatform& platform);
    ~ScopedLinkPlatform();
    ScopedLinkPlatform(const ScopedLinkPlatform&) = delete;
    ScopedLinkPlatform& operator=(const ScopedLinkPlatform&) = delete;

   private:
    LinkPlatform* m_previous;
};
