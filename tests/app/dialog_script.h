#pragma once
// Drives a modal dialog from inside its own modal loop. Each step runs from
// a thread timer, so everything a step posts (keys, commands) has been
// handled by the loop before the next step starts; the last step ends the
// dialog. A dialog still open a while after the last step is ended with
// kScriptTimedOut, so a test fails instead of hanging.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "calc_model.h"

using Step = std::function<void(HWND dialog)>;

inline constexpr int kScriptTimedOut = -1000;

// Calls `runModal` (which runs one modal dialog of this thread and returns
// its result) while the steps play; returns that result.
int RunWithScript(const std::function<int()>& runModal, std::vector<Step> steps);

// Control helpers for the dialog's own thread.
std::wstring Text(HWND dialog, int id);
void SetText(HWND dialog, int id, const std::wstring& text);
// The entry a drop-down list shows as selected, "" with none.
std::wstring ListSelection(HWND dialog, int id);
std::vector<std::wstring> ListEntries(HWND dialog, int id);
// Selects `index` as a user would: the selection changes and the list
// tells its parent.
void ChooseEntry(HWND dialog, int id, int index);
// A click on a push button.
void Click(HWND dialog, int id);
// A key as the keyboard delivers it to the focused window: key-down,
// character (where the key makes one), key-up, all through the modal loop.
void PostKey(HWND target, UINT virtualKey, wchar_t character = 0);
void PostChar(HWND target, wchar_t character);
