#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Run as the unprivileged user: a private display and session bus, then the installed program.
# A display that goes away under the program is no fault of the program: that run is repeated
# once on a new display, from a clean home.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
start_session_bus
for attempt in 1 2; do
  start_xvfb
  timeout -k 5 150 /usr/bin/python3 "$here/installed_run.py" "${1:?prefix}" "$E2E_WORK" && exit 0
  xdotool getdisplaygeometry >/dev/null 2>&1 && exit 1
  echo "the display $DISPLAY went away: $(tail -3 "$E2E_WORK/xvfb.log")"
  rm -rf "$HOME/.local"
done
exit 1
