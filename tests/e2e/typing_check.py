# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""The digit fields typed into with real X11 key events (xdotool under Xvfb), as a user types:
digits, Backspace, Delete, Home and End, and a refused letter, in the configuration dialog's
minutes and margin fields and in the new-password field. The texts are read through AT-SPI."""

import subprocess
import sys

import pyatspi

from atspi_driver import (CheckFailed, check, find, find_all, has_state, press, run_checks, showing,
                          text_of, wait_for)

SETTINGS_TITLE = "Konfiguirace testu"
PASSWORD_TITLE = "Heslo pro tisk klíče"


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True, timeout=20)


def shown_dialog(app, title):
    return next((n for n in find_all(app, "dialog", title) if showing(n)), None)


def focus(dialog_title, edit):
    # Without a window manager nobody gives the dialog the X input focus.
    subprocess.run(["xdotool", "search", "--name", f"^{dialog_title}$", "windowfocus", "--sync"],
                   check=True, timeout=10)
    press(edit, "SetFocus")
    wait_for(lambda: has_state(edit, pyatspi.STATE_FOCUSED), f"{edit.name!r} to take the focus")


def typed(edit, key_names, expected, what):
    """Types the keys and waits for the edit to read as expected."""
    keys(*key_names)
    try:
        wait_for(lambda: text_of(edit) == expected, what, timeout=5)
    except CheckFailed:
        pass
    check(text_of(edit) == expected, f"{what}: {text_of(edit)!r}, wanted {expected!r}")


def type_into_minutes(edit):
    check(text_of(edit) == "30", "the minutes field starts at 30")
    typed(edit, ["End", "BackSpace"], "3", "minutes: Backspace removes the 0")
    typed(edit, ["4"], "34", "minutes: a digit is typed")
    typed(edit, ["Home", "Delete"], "4", "minutes: Delete at Home removes the 3")
    typed(edit, ["a", "2"], "24", "minutes: the letter is refused, the next digit comes")
    typed(edit, ["End", "Delete", "BackSpace"], "2", "minutes: Delete at End removes nothing")


def type_into_margin(edit):
    typed(edit, ["End"] + ["BackSpace"] * len(text_of(edit)), "", "margin: Backspace empties it")
    typed(edit, ["1", "2"], "12", "margin: digits are typed")
    typed(edit, ["Home", "Delete"], "2", "margin: Delete at Home removes the 1")
    typed(edit, ["a", "7"], "72", "margin: the letter is refused, the next digit comes")
    typed(edit, ["End", "Delete", "BackSpace"], "7", "margin: Delete at End removes nothing")


def type_into_new_password(app):
    press(find(app, "push button", "Změna hesla"))
    dialog = wait_for(lambda: shown_dialog(app, PASSWORD_TITLE), "the password dialog")
    current = find(dialog, "password text", "Heslo")
    focus(PASSWORD_TITLE, current)
    keys("0")
    press(find(dialog, "push button", "Heslo"))
    new = wait_for(lambda: next((n for n in find_all(dialog, "password text") if n.name != "Heslo"
                                 and showing(n)), None), "the new-password field")
    # Shown in plain text, so its text can be read back.
    boxes = [n for n in find_all(dialog, "check box", "skrývat znaky") if showing(n)]
    press(boxes[-1], "Toggle")
    new = wait_for(lambda: next((n for n in find_all(dialog, "text") if showing(n)), None),
                   "the new-password field in plain text")
    focus(PASSWORD_TITLE, new)
    typed(new, ["1", "2", "3"], "123", "password: digits are typed")
    typed(new, ["Home", "Delete"], "23", "password: Delete at Home removes the 1")
    typed(new, ["a", "4"], "423", "password: the letter is refused, the next digit comes")
    typed(new, ["End", "Delete", "BackSpace", "5"], "4235",
          "password: Delete at End removes nothing, Backspace is refused")
    keys("Escape")
    wait_for(lambda: shown_dialog(app, PASSWORD_TITLE) is None, "the password dialog to close")


def type_into_the_fields(app):
    press(find(app, "push button", "Konfigurace"))
    dialog = wait_for(lambda: shown_dialog(app, SETTINGS_TITLE), "the configuration dialog")
    minutes = find(dialog, "text", "Čas testu - max 50 [minut]:")
    focus(SETTINGS_TITLE, minutes)
    type_into_minutes(minutes)
    margin = find(dialog, "text", "Levý okraj tiskárny:")
    focus(SETTINGS_TITLE, margin)
    type_into_margin(margin)
    type_into_new_password(app)


if __name__ == "__main__":
    sys.exit(run_checks(sys.argv[1], type_into_the_fields, "typing run passed"))
