#!/usr/bin/env bash
# The real program as a screen reader meets it: its accessible tree read and driven through
# AT-SPI under Xvfb on a private session bus.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

need_tools Xvfb dbus-daemon timeout xdotool
need_pyatspi
copy_program "${1:?build directory}"
start_xvfb
start_session_bus
timeout -k 5 120 /usr/bin/python3 "$here/atspi_check.py" "$E2E_PROGRAM"
