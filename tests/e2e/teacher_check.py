# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""The teacher's window as a teacher uses it, beside the program in one folder.

bank:    a CSV with a wrong CspravOdp is opened from the command line; the finding is listed,
         chosen with Enter, fixed by typing in its cell; Ctrl+S saves the bank where the program
         reads it (the sample bank kept as test-zaloha.db); the program then draws its test from it.
results: the program runs a whole test by its buttons and leaves a record; the window reads it
         and exports the results as CSV through its file dialog."""

import glob
import os
import pwd
import subprocess
import sys

import pyatspi

from atspi_driver import (CheckFailed, Program, check, close_message, enabled, find, find_all,
                          find_application, frame, press, showing, text_of, wait_for)
from e2e_run import answer_every_question, button, screenshot

TEACHER = "Test znalostí – správa"
EXECUTABLE = "test-znalosti-sprava"
NO_FINDINGS = "Kontrola nenašla žádný problém."
SAVE_BUTTONS = ("Uložit", "Save")


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True, timeout=10)


def type_text(text):
    subprocess.run(["xdotool", "type", "--clearmodifiers", text], check=True, timeout=10)


def focus_teacher():
    """Without a window manager the X input focus is given to the window by hand."""
    subprocess.run(["xdotool", "search", "--name", "správa", "windowfocus", "--sync"],
                   check=True, timeout=10)


def write_csv(path):
    """45 questions, 15 in each group; question 4 has the answer 7, which is none of A, B, C."""
    lines = ["Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp"]
    for n in range(45):
        answer = 7 if n == 4 else n % 3
        lines.append(f"{n},{n // 15 + 1},Otázka e2e {n},první {n},druhá {n},třetí {n},Komentář {n},{answer}")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def listed_findings(app):
    return [item.name for item in find_all(find(app, "list", "Nálezy kontroly"), "list item")]


def quit_teacher(program):
    focus_teacher()
    keys("ctrl+q")
    program.process.wait(timeout=15)
    check(program.process.returncode == 0, "the window closes with Ctrl+Q without asking")


def bank_scenario(folder, work, shot):
    csv = os.path.join(work, "chyby.csv")
    write_csv(csv)
    bank = os.path.join(folder, "test.db")
    with Program(folder, executable=EXECUTABLE, arguments=[csv]) as program:
        app = find_application(name=TEACHER)
        wait_for(lambda: find_all(app, "frame", f"chyby.csv – {TEACHER}"), "the title naming the CSV")
        first = wait_for(lambda: (listed_findings(app) or [None])[0], "the list of findings")
        check("CspravOdp" in first and "Cis 4" in first, f"the finding names the record and field: {first!r}")
        focus_teacher()
        keys("alt+n", "Home", "Return")
        type_text("B")
        keys("Return")
        wait_for(lambda: listed_findings(app) == [NO_FINDINGS], "the finding to go with the fix")
        wait_for(lambda: find_all(app, "frame", f"chyby.csv* – {TEACHER}"), "the title to mark the change")
        screenshot(shot)
        focus_teacher()
        keys("ctrl+s")
        wait_for(lambda: os.path.exists(os.path.join(folder, "test-zaloha.db")),
                 "the sample bank kept as test-zaloha.db")
        quit_teacher(program)

    with Program(folder) as program:
        app = find_application()
        press(button(app, "Generuj test"))
        wait_for(lambda: enabled(button(app, "Start testu")), "Start testu after drawing from the saved bank")
        press(button(app, "Start testu"))
        shown = wait_for(lambda: [text_of(t) for t in find_all(app, "text") if "Otázka e2e" in text_of(t)],
                         "a question of the saved bank in the test")
        check(len(shown) == 1, f"the program shows a question of the saved bank: {shown[0]!r}")
    check(os.path.getsize(bank) > 0, "test.db is the saved bank")


def export_dialog(app):
    def probe():
        for node in find_all(app, "dialog"):
            if showing(node) and node.name == "Exportovat výsledky do CSV":
                return node
        return None
    return wait_for(probe, "the export's file dialog")


def results_scenario(folder, work, shot):
    with Program(folder) as program:
        app = find_application()
        answer_every_question(app, frame(app))
        press(button(app, "Ukončení testu"))
        close_message(app, "Test znalostí byl ukončen")
    records = glob.glob(os.path.join(folder, "vysledky", "*.json"))
    check(len(records) == 1, f"the program left one record: {records}")

    csv = os.path.join(work, "vysledky.csv")
    with Program(folder, executable=EXECUTABLE) as program:
        app = find_application(name=TEACHER)
        focus_teacher()
        keys("ctrl+2")
        wait_for(lambda: find_all(app, "label", "1 pokus"), "the results naming one attempt")
        person = pwd.getpwuid(os.getuid()).pw_name
        wait_for(lambda: find_all(app, "table cell", person), f"the attempt's person {person!r} in the table")
        screenshot(shot)
        keys("alt+g")
        screenshot(shot.replace(".png", "-chart.png"))
        keys("ctrl+shift+e")
        dialog = export_dialog(app)
        names = [t for t in find_all(dialog, "text") if showing(t) and text_of(t).endswith(".csv")]
        check(len(names) == 1, "the dialog suggests vysledky.csv")
        names[0].queryEditableText().setTextContents(csv)
        buttons = [b for b in find_all(dialog, "push button") if showing(b) and b.name in SAVE_BUTTONS]
        check(len(buttons) == 1, "the dialog has its save button")
        press(buttons[0])
        wait_for(lambda: os.path.exists(csv) and os.path.getsize(csv) > 0, "the exported CSV")
        quit_teacher(program)
    with open(csv, "rb") as f:
        content = f.read()
    check(content.startswith(b"\xef\xbb\xbf"), "the CSV starts with a byte order mark for a spreadsheet")
    check(person.encode() in content, f"the CSV names the person {person!r}")


def main():
    scenario, folder, work, shot = sys.argv[1:5]
    try:
        pyatspi.Registry.getDesktop(0).childCount
    except Exception as error:
        strict = os.environ.get("TZ_REQUIRE_TOOLS") == "1"
        print(f"{'FAILED' if strict else 'SKIPPED'}: the accessibility bus cannot be reached: {error}", flush=True)
        return 1 if strict else 77
    try:
        {"bank": bank_scenario, "results": results_scenario}[scenario](folder, work, shot)
    except CheckFailed as failure:
        print("FAILED:", failure, flush=True)
        return 1
    print(f"teacher's window, {scenario}: passed", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
