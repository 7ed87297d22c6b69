#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The teacher's window beside the program in a folder of their own, under Xvfb at 1366×768,
# driven through AT-SPI and the keyboard by teacher_check.py: `bank` (a CSV opened, a finding
# fixed, the bank saved, the program draws from it) or `results` (a whole test in the program,
# its record read by the window and exported). Screenshots land in BUILD/e2e/.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
build=${1:?build directory}
scenario=${2:?bank or results}

need_tools Xvfb dbus-daemon timeout xdotool import
need_pyatspi
copy_program "$build"
[ -e "$build/test-znalosti-sprava" ] || { echo "FAILED: $build/test-znalosti-sprava is missing"; exit 1; }
cp "$build/test-znalosti-sprava" "$E2E_PROGRAM/"
start_xvfb 1366x768
start_session_bus
mkdir -p "$build/e2e"
on_display timeout -k 5 140 /usr/bin/python3 "$here/teacher_check.py" "$scenario" "$E2E_PROGRAM" "$E2E_WORK" \
  "$build/e2e/teacher-$scenario.png"
