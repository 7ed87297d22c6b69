#!/usr/bin/env bash
# The digit fields typed into with real X11 key events under Xvfb.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

need_tools Xvfb dbus-daemon timeout xdotool
need_pyatspi
copy_program "${1:?build directory}"
start_xvfb
start_session_bus
timeout -k 5 120 /usr/bin/python3 "$here/typing_check.py" "$E2E_PROGRAM"
