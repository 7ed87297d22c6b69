#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts an installed program through its launcher under Xvfb: its window must come up with the
# caption of an opened bank, the bundled one.
set -euo pipefail
launcher=$1

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "xvfb-run or xdotool missing: the installed program was not started"
  exit 0
fi

env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$1" & pid=$!
  for i in $(seq 100); do
    if xdotool search --name "^Test - Test znalostí\$" >/dev/null 2>&1; then
      kill "$pid"; wait "$pid" 2>/dev/null; echo "installed program started with its bank"; exit 0
    fi
    kill -0 "$pid" 2>/dev/null || { echo "installed program ended early"; exit 1; }
    sleep 0.2
  done
  kill "$pid"; echo "no window \"Test - Test znalostí\" within 20 s"; exit 1
' _ "$launcher"
