#pragma once
// Drives a modal dialog of this thread from inside its own modal loop (see
// timed_script.h); the steps play on whichever standard dialog is open.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "calc_model.h"
#include "timed_script.h"

using Step = TimedStep;

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
