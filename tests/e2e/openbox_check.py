# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program's windows as the X server holds them (xprop, xwininfo). "bare": no window
manager runs, and the main window covers the screen. "managed": a window manager runs; the main
window is maximised, its frame, title bar included, fills the work area, and the configuration
dialog opens modal at the top left and closes with a real Escape key.
Arguments: the program's folder and the mode."""

import re
import subprocess
import sys

from atspi_driver import check, find, find_all, press, run_checks, showing, wait_for

MAIN_TITLE = "Test - Test znalostí"
DIALOG_TITLE = "Konfiguirace testu"
MAXIMISED = {"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"}


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True, timeout=10).stdout


def eventually(probe, what):
    wait_for(probe, what)
    print("ok:", what, flush=True)


def numbers(text):
    return [int(n) for n in re.findall(r"-?\d+", text)]


def window_named(title):
    """The shown X window of that title, or None."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           capture_output=True, text=True, timeout=10).stdout.split()
    return found[0] if found else None


def states(window):
    return set(re.findall(r"_NET_WM_STATE_\w+", run("xprop", "-id", window, "_NET_WM_STATE")))


def frame(window):
    """The window's rectangle on the screen with the manager's frame (x, y, width, height), and
    the height of its title bar."""
    info = run("xwininfo", "-id", window)
    x, y, width, height = (int(re.search(rf"{name}:\s*(-?\d+)", info).group(1))
                           for name in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    extents = numbers(run("xprop", "-id", window, "_NET_FRAME_EXTENTS").partition("=")[2]) or [0] * 4
    left, right, top, bottom = extents
    return (x - left, y - top, width + left + right, height + top + bottom), top


def screen():
    return tuple(numbers(run("xdotool", "getdisplaygeometry")))


def work_area():
    return tuple(numbers(run("xprop", "-root", "_NET_WORKAREA").partition("=")[2])[:4])


def check_bare(main):
    width, height = screen()
    eventually(lambda: frame(main)[0] == (0, 0, width, height),
               f"without a window manager the window takes the whole {width}x{height} screen")


def check_managed(app, main):
    area = work_area()
    wait_for(lambda: MAXIMISED <= states(main), "the window manager to maximise the window")
    wait_for(lambda: frame(main)[0] == area, f"the window's frame to fill the work area {area}")
    rectangle, title_bar = frame(main)
    check(title_bar > 0 and rectangle[1] >= area[1],
          f"the maximised frame {rectangle} fills the work area, its {title_bar}-pixel title bar on screen")

    press(find(app, "push button", "Konfigurace"))
    dialog = wait_for(lambda: window_named(DIALOG_TITLE), "the configuration dialog's window")
    check("_NET_WM_STATE_MODAL" in states(dialog), "the configuration dialog is modal")
    eventually(lambda: frame(dialog)[0][:2] == (0, 0), "the dialog's frame stands at 0, 0")
    run("xdotool", "search", "--onlyvisible", "--name", f"^{DIALOG_TITLE}$", "windowfocus", "--sync")
    run("xdotool", "key", "Escape")
    eventually(lambda: window_named(DIALOG_TITLE) is None, "Escape unmaps the dialog's window")
    check(not [n for n in find_all(app, "dialog") if showing(n)], "Escape closed the dialog")
    check(MAXIMISED <= states(main) and frame(main)[0] == area,
          "the main window is still maximised in the work area")


def main(folder, mode):
    def checks(app):
        window = wait_for(lambda: window_named(MAIN_TITLE), "the main window on the X server")
        if mode == "bare":
            check_bare(window)
        else:
            check_managed(app, window)

    return run_checks(folder, checks, f"X11 run ({mode}) passed")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
