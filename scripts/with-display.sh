#!/usr/bin/env bash
# with-display.sh COMMAND...: runs COMMAND on a private Xvfb display, so that
# tests that type and click never touch the user's own screen.
# TARVEX_SCREEN (WIDTHxHEIGHTxDEPTH) sets another screen size.
set -euo pipefail
exec xvfb-run -a -s "-screen 0 ${TARVEX_SCREEN:-1280x1024x24} -nolisten tcp" "$@"
