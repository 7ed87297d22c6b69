#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program with its bundled
# bank: under Xvfb its window must come up with the caption of an opened bank.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
app="$prefix/lib/test-znalosti"
for file in "$prefix/bin/test-znalosti" "$app/Test" "$app/test.db" "$app/napoveda.html" \
            "$prefix/share/applications/test-znalosti.desktop"; do
  [ -e "$file" ] || { echo "missing after install: $file"; exit 1; }
done

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "xvfb-run or xdotool missing: only the installed files were checked"
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
' _ "$prefix/bin/test-znalosti"
