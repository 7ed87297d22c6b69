# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the end-to-end scripts: a private X server, the program's folder with a copy of the
# sample bank, and the cleanup of everything started here, also on failure. Exit code 77 means
# the machine lacks a tool, and ctest skips the test; with TZ_REQUIRE_TOOLS=1 (CI) it fails.

skip() {
  if [ "${TZ_REQUIRE_TOOLS:-0}" = 1 ]; then
    echo "FAILED: $* (TZ_REQUIRE_TOOLS asks for every tool)"
    exit 1
  fi
  echo "SKIPPED: $*"
  exit 77
}

need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
  done
}

need_pyatspi() {
  [ -x /usr/bin/python3 ] || skip "/usr/bin/python3 is missing"
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
  [ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
}

E2E_PIDS=()
E2E_WORK=$(mktemp -d /tmp/tz-e2e.XXXXXX)
export TZ_E2E_PID_FILE=$E2E_WORK/program.pid

e2e_cleanup() {
  local pid
  if [ -s "$TZ_E2E_PID_FILE" ]; then
    pid=$(cat "$TZ_E2E_PID_FILE")
    kill -0 "$pid" 2>/dev/null && kill -TERM -- "-$pid" 2>/dev/null
  fi
  for pid in "${E2E_PIDS[@]}"; do
    kill -0 "$pid" 2>/dev/null || continue
    kill -TERM "$pid" 2>/dev/null
    for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
    kill -KILL "$pid" 2>/dev/null
  done
  rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

# The program, its bank and its help page in a folder of their own, so Test.ini lands there.
copy_program() {
  local build=$1 folder=$E2E_WORK/program file
  mkdir -p "$folder"
  for file in Test test.db napoveda.html; do
    [ -e "$build/$file" ] || { echo "FAILED: $build/$file is missing"; exit 1; }
    cp "$build/$file" "$folder/"
  done
  [ -e "$build/test.mb" ] && cp "$build/test.mb" "$folder/"
  E2E_PROGRAM=$folder
}

# start_xvfb [WIDTHxHEIGHT]
start_xvfb() {
  local fifo=$E2E_WORK/display
  E2E_SCREEN=${1:-1280x1024}
  unset QT_QPA_PLATFORM
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN}x24" -nolisten tcp 3>"$fifo" >>"$E2E_WORK/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  for _ in $(seq 100); do
    [ -s "$fifo" ] && break
    kill -0 "${E2E_PIDS[-1]}" 2>/dev/null || skip "Xvfb could not start: $(tail -3 "$E2E_WORK/xvfb.log")"
    sleep 0.1
  done
  [ -s "$fifo" ] || skip "Xvfb gave no display within 10 s"
  export DISPLAY=":$(head -1 "$fifo")"
  # The server may name its display before it takes connections.
  for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "FAILED: display $DISPLAY takes no connections"; exit 1
}

# on_display COMMAND...: runs the check; a display that went away under the program is no fault
# of the program, so then the check runs once more on a new display of the same size.
on_display() {
  "$@" && return 0
  xdotool getdisplaygeometry >/dev/null 2>&1 && return 1
  echo "the display $DISPLAY went away: $(tail -3 "$E2E_WORK/xvfb.log")"
  start_xvfb "$E2E_SCREEN"
  "$@"
}

# A session bus of our own, whose pid is known, so the accessibility bus it activates ends with it.
start_session_bus() {
  local info
  info=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1) ||
    skip "dbus-daemon could not start a session bus"
  export DBUS_SESSION_BUS_ADDRESS=$(echo "$info" | sed -n 1p)
  E2E_PIDS+=($(echo "$info" | sed -n 2p))
}

CUPS_PDF_BACKEND=/usr/lib/cups/backend/cups-pdf

need_cups() {
  need_tools cupsd lpadmin lpstat lpinfo xdotool
  [ -x "$CUPS_PDF_BACKEND" ] || skip "printer-driver-cups-pdf is not installed"
}

# Where cups-pdf puts the PDFs of this user's jobs, by its Out setting.
cups_pdf_out() {
  local user home out
  user=$(id -un)
  home=$(getent passwd "$user" | cut -d: -f6)
  out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
  [ -n "$out" ] || out='/var/spool/cups-pdf/${USER}'
  echo "$out" | sed "s|\${HOME}|$home|g; s|\${USER}|$user|g"
}

# A CUPS server of our own: configuration, spool and socket under the work folder, with one
# printer, PDF, the default, writing through cups-pdf.
start_cups() {
  local root=$E2E_WORK/cups model
  mkdir -p "$root"/{etc,spool,tmp,cache,state,log}
  # The filters run as lp: they must reach the spool and write their temporary files.
  chmod 755 "$E2E_WORK" "$root"
  chmod 1777 "$root/tmp"
  cat >"$root/etc/cupsd.conf" <<CONF
Listen $root/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
  cat >"$root/etc/cups-files.conf" <<CONF
ServerRoot $root/etc
RequestRoot $root/spool
TempDir $root/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
FileDevice No
Sandboxing Relaxed
SystemGroup root
CONF
  cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" >"$root/log/cupsd.out" 2>&1 &
  E2E_PIDS+=($!)
  export CUPS_SERVER=$root/cups.sock
  for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    kill -0 "${E2E_PIDS[-1]}" 2>/dev/null || break
    sleep 0.1
  done
  lpstat -r 2>/dev/null | grep -q "is running" ||
    skip "CUPS could not start here: $(tail -3 "$root/log/cupsd.out" "$root/log/error_log" 2>/dev/null)"
  model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ { print $1; exit }')
  [ -n "$model" ] || skip "the CUPS server lists no cups-pdf model"
  # cups-pdf takes PostScript; poppler's cairo renderer keeps the text readable in its PDF.
  lpadmin -p PDF -v cups-pdf:/ -m "$model" -E -o pdftops-renderer-default=pdftocairo 2>/dev/null &&
    lpadmin -d PDF || skip "the cups-pdf printer could not be added"
  CUPS_PDF_OUT=$(cups_pdf_out)
  echo "CUPS: printer PDF ($model), its PDFs go to $CUPS_PDF_OUT"
}
