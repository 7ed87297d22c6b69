# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program with the sample bank, read and driven through AT-SPI: the names, texts and
states of its controls before and after a test is generated, started, answered and ended."""

import subprocess
import sys

import pyatspi

from atspi_driver import (check, checked, close_message, enabled, find,
                          find_all, frame, has_state, indicators, press, run_checks,
                          showing, status_sections, text_of, value_of, wait_for)

TOOLBAR = ["Generuj test", "Start testu", "Ukončení testu", "Konfigurace", "Tisk testu",
           "Tisk - Klíč", "Více informací"]
END_MESSAGE = "Test znalostí byl ukončen"


def button(app, name):
    return find(app, "push button", name)


def enabled_toolbar(app):
    return [name for name in TOOLBAR if enabled(button(app, name))]


def text_boxes(window):
    return [node for node in find_all(window, "text") if showing(node)]


def check_fresh_window(app, window):
    check(enabled_toolbar(app) == ["Generuj test", "Konfigurace", "Více informací"],
          "a fresh window offers only Generuj test, Konfigurace and Více informací")
    check(find_all(app, "push button", "Vyhodnocení") and not showing(button(app, "Vyhodnocení")),
          "Vyhodnocení is there but never shown")
    for caption in ("A", "B", "C"):
        check(not enabled(button(app, caption)), f"answer button {caption} is disabled")
    check(find(window, "label", "Zvolte prosím správnou odpověď") is not None,
          "the answer heading is read by its text")
    boxes = text_boxes(window)
    check(len(boxes) == 4 and all(text_of(box) == "" for box in boxes),
          "the four shown text boxes are empty")
    check(all(box.name for box in boxes), "every text box has a name")
    check(status_sections(app) == [""] * 5, "the status line is five empty items")
    bar = find(window, "progress bar", None)
    check(value_of(bar) == (0.0, 1000.0), "the progress bar is at 0 of 1000")
    leds = indicators(app)
    check(all(leds), "the 30 indicators are check boxes named 1 to 30")
    check(not any(showing(led) or checked(led) for led in leds),
          "every indicator is hidden and unchecked")


def check_configuration_dialog(app):
    press(button(app, "Konfigurace"))

    def dialog():
        for node in find_all(app, "dialog"):
            if showing(node) and find_all(node, "text", "Čas testu - max 50 [minut]:"):
                return node
        return None
    box = wait_for(dialog, "the configuration dialog")
    check(text_of(find(box, "text", "Čas testu - max 50 [minut]:")) == "30",
          "the test length edit is named by its label and reads 30")
    check(find_all(box, "text", "Levý okraj tiskárny:"), "the margin edit is named by its label")
    radios = {n.name: checked(n) for n in find_all(box, "radio button")}
    check(set(radios) == {"malé", "střední", "velké"} and sum(radios.values()) == 1,
          f"the text sizes are three radio items, one of them checked: {radios}")
    press(find(box, "push button", "Zpět"))
    wait_for(lambda: dialog() is None, "the configuration dialog to close")


def generate_and_start(app, window):
    press(button(app, "Generuj test"))
    wait_for(lambda: enabled(button(app, "Start testu")), "Start testu to be enabled")
    check(enabled_toolbar(app) == ["Generuj test", "Start testu", "Konfigurace", "Tisk testu",
                                   "Tisk - Klíč", "Více informací"],
          "generating enables Start testu and both print buttons")
    sections = status_sections(app)
    check(sections[0].startswith("Čas testu: ") and sections[1:] == [""] * 4,
          f"the status line shows the test length only: {sections}")
    check(all(showing(led) for led in indicators(app)), "all 30 indicators are shown")

    press(button(app, "Start testu"))
    wait_for(lambda: enabled(button(app, "A")), "the answer buttons to be enabled")
    check(enabled_toolbar(app) == ["Generuj test", "Ukončení testu", "Více informací"],
          "a running test leaves Generuj test, Ukončení testu and Více informací")
    wait_for(lambda: find_all(window, "label", "Otázka číslo 1 / 30"), "question 1 heading")
    question = find(window, "text", "Text otázky")
    check(text_of(question).strip() != "", "the question text box holds question 1")
    leds = indicators(app)
    check(checked(leds[0]) and not checked(leds[1]), "indicator 1 is checked, 2 is not")
    check(value_of(find(window, "progress bar", None))[1] == 1799.0,
          "the progress bar runs to 1799 for 30 minutes")


def answer_one(app, window):
    first_question = text_of(find(window, "text", "Text otázky"))
    press(button(app, "B"))
    wait_for(lambda: find_all(window, "label", "Otázka číslo 2 / 30"), "question 2 heading")
    check(text_of(find(window, "text", "Text otázky")) != first_question,
          "the question text box moved on to question 2")
    leds = indicators(app)
    check(checked(leds[0]) and checked(leds[1]) and not checked(leds[2]),
          "indicators 1 and 2 are checked after the first answer")


def end_and_review(app, window):
    press(button(app, "Ukončení testu"))
    close_message(app, END_MESSAGE)
    wait_for(lambda: status_sections(app)[2].startswith("úspěšnost: "), "the success rate")
    sections = status_sections(app)
    check(sections[3].startswith("správně: ") and sections[3].endswith("neodpovězeno: 29"),
          f"the counts name 29 unanswered questions: {sections[3]!r}")
    check(sections[1] == "" and sections[4] == "", "sections 2 and 5 stay empty")
    leds = indicators(app)
    check(leds[0].description in ("správně", "špatně"),
          f"indicator 1 tells its result: {leds[0].description!r}")
    check(all(led.description == "neodpovězeno" for led in leds[1:]),
          "indicators 2 to 30 read neodpovězeno")
    check(not any(checked(led) for led in leds), "the end unchecks every indicator")
    check(enabled_toolbar(app) == ["Generuj test", "Konfigurace", "Tisk testu", "Tisk - Klíč",
                                   "Více informací"],
          "after the end printing and configuration are open again")
    press(leds[4])
    wait_for(lambda: find_all(window, "label", "Otázka číslo 5 / 30"),
             "pressing indicator 5 to show question 5")
    check(not checked(indicators(app)[4]), "the pressed indicator is released again")
    comment = find(window, "text", "Komentář")
    check(showing(comment) and text_of(comment).strip() != "", "the review shows a comment")

    # The keyboard: the window given the X input focus (there is no window manager to do it),
    # the focus on indicator 7, then Space as a user types it.
    subprocess.run(["xdotool", "search", "--name", "^Test - Test znalostí$", "windowfocus", "--sync"],
                   check=True, timeout=10)
    press(indicators(app)[6], "SetFocus")
    wait_for(lambda: has_state(indicators(app)[6], pyatspi.STATE_FOCUSED), "indicator 7 to take the focus")
    subprocess.run(["xdotool", "key", "space"], check=True, timeout=10)
    wait_for(lambda: find_all(window, "label", "Otázka číslo 7 / 30"), "Space on indicator 7 to show question 7")


def check_program(app):
    window = frame(app)
    check(window is not None, "the main window is a frame named 'Test - Test znalostí'")
    check_fresh_window(app, window)
    check_configuration_dialog(app)
    generate_and_start(app, window)
    answer_one(app, window)
    end_and_review(app, window)


if __name__ == "__main__":
    sys.exit(run_checks(sys.argv[1], check_program, "AT-SPI run passed"))
