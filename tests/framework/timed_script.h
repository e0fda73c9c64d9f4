#pragma once
// Drives a modal window from inside its own modal loop. Each step runs from
// a thread timer, so everything a step posts (keys, commands) has been
// handled by the loop before the next step starts; the last step should end
// the window. One still open a while after the last step is ended with
// kScriptTimedOut, so a test fails instead of hanging.
#include <windows.h>

#include <functional>
#include <vector>

using TimedStep = std::function<void(HWND window)>;

inline constexpr int kScriptTimedOut = -1000;

// Calls `runModal` (which runs one modal dialog of this thread and returns
// its result) while the steps play on the window `findWindow` returns; a
// tick on which it returns null waits. `what` names the window in failures.
// Returns the result of `runModal`.
int RunWithTimedSteps(const std::function<int()>& runModal, std::vector<TimedStep> steps,
                      std::function<HWND()> findWindow, const char* what);
