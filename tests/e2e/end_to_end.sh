#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program from the build folder, beside a copy of the sample bank, driven through a
# whole test under Xvfb and printed through its own print dialog: to a PDF file, or with
# --cups to the cups-pdf printer of a CUPS server started here. test.db must stay unchanged.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
build=${1:?build directory}
mode=${2:-file}

need_tools Xvfb dbus-daemon timeout pdftotext cmp import xdotool
need_pyatspi
[ "$mode" = --cups ] && need_cups
copy_program "$build"
start_xvfb
start_session_bus
mkdir -p "$build/e2e"
if [ "$mode" = --cups ]; then
  start_cups
  print_args=(--cups-out "$CUPS_PDF_OUT" --screenshot "$build/e2e/cups-window.png")
else
  # No CUPS server is reached: Qt's dialog then offers printing to a PDF file.
  export CUPS_SERVER=$E2E_WORK/no-cups.sock
  print_args=(--pdf "$E2E_WORK/test.pdf" --screenshot "$build/e2e/window.png")
fi

on_display timeout -k 5 120 /usr/bin/python3 "$here/e2e_run.py" "$E2E_PROGRAM" "${print_args[@]}" || exit 1
cmp "$build/test.db" "$E2E_PROGRAM/test.db" || { echo "FAILED: test.db changed"; exit 1; }
echo "ok: test.db is byte for byte unchanged"
