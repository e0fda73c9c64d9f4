#include "app_environment.h"

#include <windows.h>

#include "framework.h"

namespace {

class AppEnvironment : public ::testing::Environment {
   public:
    void SetUp() override {
        ASSERT_TRUE(
            AfxWinInit(GetModuleHandleW(nullptr), nullptr, GetCommandLineW(), SW_SHOWNORMAL));
    }
    void TearDown() override { AfxWinTerm(); }
};

}  // namespace

::testing::Environment* AddAppEnvironment() {
    return ::testing::AddGlobalTestEnvironment(new AppEnvironment);
}
