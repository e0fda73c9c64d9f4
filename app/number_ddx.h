#pragma once
// Data exchange of the numeric fields: the number text rules of the core
// applied to a dialog control. Neither routine ever fails or reports.
#include <cstdint>

#include "framework.h"

// A size field: loading shows the value with trailing zeros trimmed;
// saving reads the whole text, `fallback` when it holds no number.
void DDX_TrimmedDouble(CDataExchange* dx, int id, double& value, double fallback);

// A count field (DPI, pixels): "%u" text; saving wraps modulo 2^32 and
// reads 0 when the text holds no number.
void DDX_UIntText(CDataExchange* dx, int id, uint32_t& value);
