#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on a 1366x768 X server, first bare, where it takes the screen itself, then
# under the openbox window manager, whose maximising must stand; there the configuration dialog
# opens modal at its place and closes with a real Escape key.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

need_tools Xvfb openbox dbus-daemon timeout xdotool xprop xwininfo
need_pyatspi
copy_program "${1:?build directory}"
start_xvfb 1366x768
start_session_bus

check() {
  timeout -k 5 60 /usr/bin/python3 "$here/openbox_check.py" "$E2E_PROGRAM" "$1"
}

check bare || exit $?
openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
E2E_PIDS+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  kill -0 "${E2E_PIDS[-1]}" 2>/dev/null || skip "openbox could not start: $(tail -3 "$E2E_WORK/openbox.log")"
  sleep 0.1
done
check managed
