#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The program installed where only root may write, used by a teacher without administrator
# rights: a new test length is stored in the teacher's own Test.ini and shown after a restart,
# the bank tool puts the teacher's bank in the teacher's folder and the program draws from it,
# and the bundled bank stays as it was. Needs root to install and to act as that user.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?build directory}
user=tz-ucitel

skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "only root can install into a root-owned folder and run as $user"
for tool in runuser useradd Xvfb dbus-daemon xdotool timeout; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"

id "$user" >/dev/null 2>&1 || useradd --no-create-home --shell /usr/sbin/nologin "$user" ||
  skip "the user $user could not be created"

work=$(mktemp -d /tmp/tz-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: install"; exit 1; }
app=$prefix/lib/test-znalosti
bundled=$(sha256sum "$app/test.db" "$app/test.mb")
installed=$(find "$prefix" | sort)

# The scripts where the user can read them, and a fresh home of the user's.
mkdir "$work/scripts" "$work/home"
cp "$here/installed_run.py" "$here/as_user.sh" "$here/../e2e/atspi_driver.py" "$here/../e2e/session.sh" \
   "$work/scripts/"
chown "$user" "$work/home"

runuser -u "$user" -- env -i HOME="$work/home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
  bash "$work/scripts/as_user.sh" "$prefix"
status=$?
[ $status = 0 ] || exit $status

[ "$(sha256sum "$app/test.db" "$app/test.mb")" = "$bundled" ] || { echo "FAILED: the bundled bank changed"; exit 1; }
[ "$(find "$prefix" | sort)" = "$installed" ] || { echo "FAILED: files appeared in the installation"; exit 1; }
echo "ok: the bundled bank is unchanged and nothing was written into the installation"
