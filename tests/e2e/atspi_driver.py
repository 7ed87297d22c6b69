# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the real program through AT-SPI as a screen reader would: finds controls by role
and name, reads their texts and states, presses them through their actions. Every wait is
bounded; a failed check raises CheckFailed with what was expected and what was found."""

import os
import signal
import subprocess
import time

import pyatspi

APP_NAME = "Test znalostí"
MAIN_TITLE = "Test - Test znalostí"


class CheckFailed(Exception):
    pass


def check(condition, what):
    if not condition:
        raise CheckFailed(what)
    print("ok:", what, flush=True)


def wait_for(probe, what, timeout=15.0):
    """Polls probe() until it returns something true; fails after timeout seconds."""
    end = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < end:
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # the tree may change while it is read
            last_error = error
        time.sleep(0.1)
    raise CheckFailed(f"timed out waiting for {what}" + (f" ({last_error})" if last_error else ""))


class Program:
    """The program (or another executable of its folder) started in its own folder, stopped
    again whatever happens."""

    def __init__(self, folder, extra_env=None, log=None, executable="Test", arguments=()):
        """log: a file that takes the program's output."""
        env = dict(os.environ)
        env.pop("QT_QPA_PLATFORM", None)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env.update(extra_env or {})
        self.process = subprocess.Popen([os.path.join(folder, executable), *arguments], cwd=folder, env=env,
                                        start_new_session=True, stdout=log,
                                        stderr=subprocess.STDOUT if log else None)
        pid_file = os.environ.get("TZ_E2E_PID_FILE")
        if pid_file:
            with open(pid_file, "w") as f:
                f.write(str(self.process.pid))

    def stop(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait(timeout=5)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()
        return False


def find_application(timeout=20.0, name=APP_NAME):
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        return None
    return wait_for(probe, f"application {name!r} on the accessibility bus", timeout)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find_all(root, role=None, name=None):
    return [n for n in walk(root)
            if (role is None or n.getRoleName() == role) and (name is None or n.name == name)]


def find(root, role, name, timeout=10.0):
    return wait_for(lambda: next(iter(find_all(root, role, name)), None),
                    f"{role} {name!r}", timeout)


def has_state(node, state):
    return node.getState().contains(state)


def enabled(node):
    return has_state(node, pyatspi.STATE_ENABLED)


def showing(node):
    return has_state(node, pyatspi.STATE_SHOWING)


def checked(node):
    return has_state(node, pyatspi.STATE_CHECKED)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def value_of(node):
    value = node.queryValue()
    return value.currentValue, value.maximumValue


def press(node, action="Press"):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        raise CheckFailed(f"{node.getRoleName()} {node.name!r} offers no {action!r} action: {names}")
    actions.doAction(names.index(action))


def frame(app):
    return find(app, "frame", MAIN_TITLE)


def status_sections(app):
    bar = find(app, "status bar", None)
    return [bar.getChildAtIndex(i).name for i in range(bar.childCount)]


def indicators(app):
    """The 30 indicators in their order, by their captions."""
    boxes = {n.name: n for n in find_all(app, "check box") if n.name.isdigit()}
    return [boxes.get(str(k)) for k in range(1, 31)]


def message_box(app, expected_start):
    for node in find_all(app):
        if node.getRoleName() in ("dialog", "alert") and showing(node):
            labels = [n.name for n in find_all(node, "label")]
            if any(label.startswith(expected_start) for label in labels):
                return node
    return None


def close_message(app, expected_start, timeout=15.0):
    """Waits for the program's message box whose text starts so, and presses its one button."""
    box = wait_for(lambda: message_box(app, expected_start),
                   f"message box starting {expected_start!r}", timeout)
    buttons = find_all(box, "push button")
    check(len(buttons) == 1, f"the message box has one button ({[b.name for b in buttons]})")
    press(buttons[0])
    wait_for(lambda: message_box(app, expected_start) is None, "the message box to close")


def run_checks(folder, checks, passed, program=Program):
    """Starts the program (program(folder)), runs checks(app) against it and returns the exit
    code: 0 passed, 1 failed, 77 (skipped) when the accessibility bus cannot be reached, unless
    TZ_REQUIRE_TOOLS=1 makes that a failure too."""
    try:
        pyatspi.Registry.getDesktop(0).childCount
    except Exception as error:
        if os.environ.get("TZ_REQUIRE_TOOLS") == "1":
            print(f"FAILED: the accessibility bus cannot be reached: {error}", flush=True)
            return 1
        print(f"SKIPPED: the accessibility bus cannot be reached: {error}", flush=True)
        return 77
    with program(folder):
        try:
            checks(find_application())
        except CheckFailed as failure:
            print("FAILED:", failure, flush=True)
            return 1
    print(passed, flush=True)
    return 0
