#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program driven under Xvfb on a private session bus by a check script (atspi_check.py
# unless another is named): its accessible tree read through AT-SPI, keys typed with xdotool.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

need_tools Xvfb dbus-daemon timeout xdotool
need_pyatspi
copy_program "${1:?build directory}"
check_script=${2:-atspi_check.py}
start_xvfb
start_session_bus
on_display timeout -k 5 120 /usr/bin/python3 "$here/$check_script" "$E2E_PROGRAM"
