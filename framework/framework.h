#pragma once
// Everything the layer offers, in one include.
#include "app.h"
#include "cmd_target.h"
#include "data_exchange.h"
#include "dc.h"
#include "dialog.h"
#include "font.h"
#include "geometry.h"
#include "message_map.h"
#include "std_controls.h"
#include "tool_tip.h"
#include "wide_string.h"
#include "wnd.h"
