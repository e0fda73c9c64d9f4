#include "calculator_app.h"

// The one application object; the entry routine finds it.
CCalculatorApp theApp;
