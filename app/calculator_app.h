#pragma once
// The application object: runs the main dialog modally, then lets the
// program end.
#include "framework.h"

class CCalculatorApp : public CWinApp {
   public:
    CCalculatorApp() = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
