#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on a 1366x768 X server: bare, where it takes the screen itself; under the
# openbox window manager, whose maximising must stand, and where the configuration dialog opens
# modal at its place and closes with a real Escape key; bare again after openbox was killed and
# left the name of its gone window on the root window.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

need_tools Xvfb openbox dbus-daemon timeout xdotool xprop xwininfo
need_pyatspi
copy_program "${1:?build directory}"
start_xvfb 1366x768
start_session_bus

check() {
  timeout -k 5 40 /usr/bin/python3 "$here/openbox_check.py" "$E2E_PROGRAM" "$1"
}

manager_named() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"
}

check bare || exit $?
openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
openbox_pid=$!
E2E_PIDS+=("$openbox_pid")
for _ in $(seq 100); do
  manager_named && break
  kill -0 "$openbox_pid" 2>/dev/null || skip "openbox could not start: $(tail -3 "$E2E_WORK/openbox.log")"
  sleep 0.1
done
check managed || exit $?
kill -KILL "$openbox_pid"
wait "$openbox_pid" 2>/dev/null
manager_named || { echo "FAILED: the killed openbox left no name on the root window"; exit 1; }
check bare
