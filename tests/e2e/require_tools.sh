#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# A missing tool skips an end-to-end run (exit 77) on a developer's machine and fails it
# when TZ_REQUIRE_TOOLS=1, as CI sets it.
here=$(cd "$(dirname "$0")" && pwd)

missing_tool_exit() {
  (source "$here/session.sh"; need_tools tz-no-such-tool; echo "went on without the tool") >/dev/null
  echo $?
}

lenient=$(env -u TZ_REQUIRE_TOOLS bash -c "$(declare -f missing_tool_exit); here=$here; missing_tool_exit")
strict=$(TZ_REQUIRE_TOOLS=1 bash -c "$(declare -f missing_tool_exit); here=$here; missing_tool_exit")
[ "$lenient" = 77 ] || { echo "without TZ_REQUIRE_TOOLS: exit $lenient, wanted 77"; exit 1; }
[ "$strict" = 1 ] || { echo "with TZ_REQUIRE_TOOLS=1: exit $strict, wanted 1"; exit 1; }
echo "a missing tool skips, and fails where tools are required"
