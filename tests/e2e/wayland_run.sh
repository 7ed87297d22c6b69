#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program under weston's headless backend, on a large and on a small output: it stays
# up, its window takes the compositor's maximised size and no more, and "Generuj test" works
# (driven through AT-SPI on a private session bus).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

need_tools weston dbus-daemon timeout
need_pyatspi
qt_plugins=$(/usr/bin/python3 -c 'import glob; print(" ".join(glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so")))')
[ -n "$qt_plugins" ] || skip "qt6-wayland is not installed"
copy_program "${1:?build directory}"
start_session_bus

# start_weston WIDTH HEIGHT: a compositor of its own in a private runtime folder; its pid is
# WESTON_PID.
start_weston() {
  local runtime=$E2E_WORK/runtime-$1x$2
  mkdir -p "$runtime" && chmod 700 "$runtime"
  export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=tz-wayland
  weston --backend=headless-backend.so --width="$1" --height="$2" --socket="$WAYLAND_DISPLAY" \
    --idle-time=0 --no-config --log="$runtime/weston.log" >/dev/null 2>&1 &
  WESTON_PID=$!
  E2E_PIDS+=("$WESTON_PID")
  for _ in $(seq 100); do
    [ -S "$runtime/$WAYLAND_DISPLAY" ] && return 0
    kill -0 "$WESTON_PID" 2>/dev/null || break
    sleep 0.1
  done
  skip "weston's headless backend could not start: $(tail -3 "$runtime/weston.log" 2>/dev/null)"
}

stop_weston() {
  kill -TERM "$WESTON_PID" 2>/dev/null
  timeout 10 tail --pid="$WESTON_PID" -f /dev/null
}

status=0
for output in "1920 1080" "1024 600"; do
  set -- $output
  echo "== output $1x$2"
  start_weston "$1" "$2"
  timeout -k 5 60 /usr/bin/python3 "$here/wayland_check.py" "$E2E_PROGRAM" "$1" "$2"
  case $? in
    0) ;;
    77) exit 77 ;;
    *) status=1 ;;
  esac
  stop_weston
done
exit $status
