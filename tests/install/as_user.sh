#!/usr/bin/env bash
# Run as the unprivileged user: a private display and session bus, then the installed program.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
start_xvfb
start_session_bus
timeout -k 5 150 /usr/bin/python3 "$here/installed_run.py" "${1:?prefix}" "$E2E_WORK"
