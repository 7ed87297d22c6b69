#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary prefix and starts the installed program with its bundled bank.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
app="$prefix/lib/test-znalosti"
for file in "$prefix/bin/test-znalosti" "$prefix/bin/test-znalosti-banka" "$app/Test" \
            "$app/test-znalosti-banka" "$app/test.db" "$app/napoveda.html" \
            "$prefix/share/applications/test-znalosti.desktop" "$prefix/bin/test-znalosti-sprava" \
            "$app/test-znalosti-sprava" "$prefix/share/applications/test-znalosti-sprava.desktop"; do
  [ -e "$file" ] || { echo "missing after install: $file"; exit 1; }
done
"$(dirname "$0")/start_installed.sh" "$prefix/bin/test-znalosti"
