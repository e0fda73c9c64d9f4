#include "timed_script.h"

#include <gtest/gtest.h>

#include <string>

#include "framework.h"

namespace {

constexpr UINT kTickMs = 10;
constexpr int kTicksAfterLastStep = 300;

struct Script {
    std::vector<TimedStep> steps;
    std::function<HWND()> findWindow;
    std::string what;
    size_t next = 0;
    int idleTicks = 0;
};

Script* g_script = nullptr;  // a timer procedure gets no context of its own

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    Script* script = g_script;
    if (script == nullptr) return;
    const HWND window = script->findWindow();
    if (window == nullptr) return;
    if (script->next < script->steps.size()) {
        script->steps[script->next++](window);
        return;
    }
    if (++script->idleTicks == kTicksAfterLastStep) {
        ADD_FAILURE() << script->what << " is still open after the last step";
        // IDCANCEL would look like a normal end; a distinct code shows the failure.
        if (auto* object = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(window))) {
            object->EndDialog(kScriptTimedOut);
        }
    }
}

}  // namespace

int RunWithTimedSteps(const std::function<int()>& runModal, std::vector<TimedStep> steps,
                      std::function<HWND()> findWindow, const char* what) {
    Script script{std::move(steps), std::move(findWindow), what};
    g_script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &OnTick);
    const int result = runModal();
    KillTimer(nullptr, timer);
    g_script = nullptr;
    EXPECT_EQ(script.next, script.steps.size()) << what << " ended before every step ran";
    return result;
}
