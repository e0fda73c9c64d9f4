#!/usr/bin/env bash
# with-display.sh COMMAND...: runs COMMAND on a private Xvfb display, so that
# tests that type and click never touch the user's own screen.
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
