# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program on a Wayland compositor, its requests read from libwayland's client log:
the window's geometry is the size of the compositor's last maximised configure, never more, and
the program stays up while "Generuj test" and "Start testu" are pressed through AT-SPI; during
the test the toolbar, the indicators, the progress bar and the status line lie within the
window, on the small output too.
Arguments: the program's folder, the output's width and height."""

import os
import re
import sys

import pyatspi

from atspi_driver import (Program, check, enabled, find, frame, indicators, press, run_checks,
                          status_sections, wait_for)

# "xdg_toplevel@14.configure(1920, 1048, array[4])": the states array's size in bytes; weston
# gives a toplevel a size of its own only for a state (maximised here), else 0 x 0.
CONFIGURE = re.compile(r"xdg_toplevel@\d+\.configure\((\d+), (\d+), array\[(\d+)\]\)")
GEOMETRY = re.compile(r"-> xdg_surface@\d+\.set_window_geometry\(-?\d+, -?\d+, (\d+), (\d+)\)")
PROTOCOL_ERROR = re.compile(r"wl_display@\d+\.error\(.*")


def log_lines(log_path):
    with open(log_path, encoding="utf-8", errors="replace") as log:
        return log.readlines()


def protocol_errors(log_path):
    return [match.group(0) for line in log_lines(log_path) if (match := PROTOCOL_ERROR.search(line))]


def requests(log_path):
    """The maximised sizes the compositor configured, and each window geometry the program asked
    for afterwards with the maximised size last configured before it."""
    configured, asked = [], []
    for line in log_lines(log_path):
        if match := CONFIGURE.search(line):
            width, height, states = map(int, match.groups())
            if states and width and height:
                configured.append((width, height))
        elif (match := GEOMETRY.search(line)) and configured:
            asked.append((tuple(map(int, match.groups())), configured[-1]))
    return configured, asked


def check_geometry(log_path, output):
    check(not protocol_errors(log_path), "the compositor raised no protocol error")
    configured, asked = wait_for(lambda: all(requests(log_path)) and requests(log_path),
                                 "a maximised configure and the window's answer to it")
    maximised = configured[-1]
    check(maximised[0] <= output[0] and maximised[1] <= output[1],
          f"the compositor maximises to {maximised[0]}x{maximised[1]} within the output")
    check(all(size == given for size, given in asked),
          f"every window geometry is the maximised size it answers: {asked}")
    check(asked[-1][0] == maximised, f"the window is {maximised[0]}x{maximised[1]} at last")


def check_in_window(app, nodes):
    """Each node lies within the window's height: it is seen without scrolling."""
    window = frame(app).queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    for what, node in nodes:
        box = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        check(window.y <= box.y and box.y + box.height <= window.y + window.height,
              f"{what} lies within the window ({box.y}..{box.y + box.height} of "
              f"{window.y}..{window.y + window.height})")


def main(folder, width, height):
    log_path = os.path.join(os.environ.get("XDG_RUNTIME_DIR", folder), "program.log")
    started = []

    def start(program_folder):
        log = open(log_path, "w", encoding="utf-8")
        started.append(Program(program_folder, {"QT_QPA_PLATFORM": "wayland",
                                                "WAYLAND_DEBUG": "client"}, log))
        return started[-1]

    def checks(app):
        press(find(app, "push button", "Generuj test"))
        wait_for(lambda: enabled(find(app, "push button", "Start testu")),
                 "Start testu to be enabled")
        check(status_sections(app)[0].startswith("Čas testu: "),
              "generating a test writes its length into the status line")
        check_geometry(log_path, (width, height))
        press(find(app, "push button", "Start testu"))
        wait_for(lambda: enabled(find(app, "push button", "Ukončení testu")), "the test to start")
        check_in_window(app, [("the toolbar's Ukončení testu", find(app, "push button", "Ukončení testu")),
                              ("indicator 1", indicators(app)[0]),
                              ("the progress bar", find(app, "progress bar", None)),
                              ("the status line", find(app, "status bar", None))])
        check(started[0].process.poll() is None, "the program is still running")

    result = run_checks(folder, checks, f"Wayland run at {width}x{height} passed", start)
    for error in protocol_errors(log_path) if started else []:
        print("the compositor said:", error, flush=True)
    return result


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2]), int(sys.argv[3])))
