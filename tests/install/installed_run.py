# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""The installed program and its bank tool as a user without administrator rights meets them,
driven through AT-SPI: a new test length goes into the user's own Test.ini and comes back after
a restart; a bank the tool builds lands in the user's folder and the program draws from it."""

import os
import subprocess
import sys

from atspi_driver import (CheckFailed, Program, check, enabled, find, find_all, find_application,
                          frame, press, showing, text_of, wait_for)

MINUTES_EDIT = "Čas testu - max 50 [minut]:"


def configuration_dialog(app):
    for node in find_all(app, "dialog"):
        if showing(node) and find_all(node, "text", MINUTES_EDIT):
            return node
    return None


def open_configuration(app):
    press(find(app, "push button", "Konfigurace"))
    return wait_for(lambda: configuration_dialog(app), "the configuration dialog")


def store_minutes(app, minutes):
    box = open_configuration(app)
    find(box, "text", MINUTES_EDIT).queryEditableText().setTextContents(str(minutes))
    press(find(box, "push button", "OK"))
    wait_for(lambda: configuration_dialog(app) is None, "the configuration dialog to close after OK")


def shown_minutes(app):
    box = open_configuration(app)
    minutes = text_of(find(box, "text", MINUTES_EDIT))
    press(find(box, "push button", "Zpět"))
    wait_for(lambda: configuration_dialog(app) is None, "the configuration dialog to close")
    return minutes


def first_question(app):
    press(find(app, "push button", "Generuj test"))
    wait_for(lambda: enabled(find(app, "push button", "Start testu")), "Start testu to be enabled")
    press(find(app, "push button", "Start testu"))
    window = frame(app)
    wait_for(lambda: find_all(window, "label", "Otázka číslo 1 / 30"), "question 1")
    return text_of(find(window, "text", "Text otázky"))


def own_bank_csv(path):
    with open(path, "w", encoding="cp1250", newline="") as f:
        f.write("Cis;Skupina;Dotaz;Odp1;Odp2;Odp3;Komentar;CspravOdp\r\n")
        for n in range(40):
            f.write(f"{n};{n % 3 + 1};Vlastní otázka č. {n};ano;ne;nevím;;0\r\n")


def main(prefix, work):
    app_dir = os.path.join(prefix, "lib", "test-znalosti")
    user_dir = os.path.join(os.environ["HOME"], ".local", "share", "test-znalosti")
    settings = os.path.join(user_dir, "Test.ini")

    with Program(app_dir):
        app = find_application()
        frame(app)
        check(not os.path.exists(user_dir), "nothing is created in the user's folder at start-up")
        store_minutes(app, 17)
    with open(settings, encoding="utf-8") as f:
        check("DobaTestu=17" in f.read().split(), f"OK stored the test length in {settings}")

    with Program(app_dir):
        app = find_application()
        check(shown_minutes(app) == "17", "the restarted program shows the stored test length")
        check(not first_question(app).startswith("Vlastní otázka"), "the bundled bank serves first")

    csv = os.path.join(work, "otazky.csv")
    own_bank_csv(csv)
    tool = os.path.join(prefix, "bin", "test-znalosti-banka")
    built = subprocess.run([tool, "build", csv], capture_output=True, text=True, timeout=60)
    check(built.returncode == 0, f"the bank tool builds the bank: {built.stderr.strip()}")
    own_bank = os.path.join(user_dir, "test.db")
    check(own_bank in built.stdout and os.path.exists(own_bank),
          f"the bank lands in the user's folder and the tool says where: {built.stdout.strip()}")

    with Program(app_dir):
        app = find_application()
        question = first_question(app)
        check(question.startswith("Vlastní otázka č. "), f"the program draws from the user's bank: {question!r}")


if __name__ == "__main__":
    try:
        main(sys.argv[1], sys.argv[2])
    except CheckFailed as failure:
        print("FAILED:", failure, flush=True)
        sys.exit(1)
    print("ok: the installed program serves a user without administrator rights", flush=True)
