# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""A whole test with the real program, as its user goes through it: generate, start, answer
every question, end, close the end message, review a question, print the test through the
program's own print dialog, either to a PDF file (filled in through AT-SPI) or to the CUPS
printer that is the default (accepted with xdotool's Enter)."""

import argparse
import glob
import os
import re
import subprocess
import sys
import time
from fractions import Fraction

from atspi_driver import (CheckFailed, Program, check, close_message, enabled, find, find_all,
                          find_application, frame, indicators, press, showing, status_sections,
                          text_of, wait_for)

END_MESSAGE = "Test znalostí byl ukončen"
PRINT_BUTTONS = ("Tisk", "Print")


def button(app, name):
    return find(app, "push button", name)


def heading(window, text):
    return wait_for(lambda: find_all(window, "label", text), f"heading {text!r}")


def answer_every_question(app, window):
    press(button(app, "Generuj test"))
    wait_for(lambda: enabled(button(app, "Start testu")), "Start testu to be enabled")
    length = status_sections(app)[0]
    check(length.startswith("Čas testu: "), f"the status line shows the test length: {length!r}")
    length = length[len("Čas testu: "):]
    press(button(app, "Start testu"))
    for k in range(1, 31):
        heading(window, f"Otázka číslo {k} / 30")
        press(button(app, "A"))
    wait_for(lambda: not enabled(button(app, "A")), "the answer buttons to close after question 30")
    check(all(not enabled(button(app, c)) for c in "ABC"), "all 30 answered: A, B and C disabled")
    countdown = wait_for(lambda: re.fullmatch(r"Zbývající čas: .+ / " + re.escape(length),
                                              status_sections(app)[0]),
                         "the countdown with the test length in the status line")
    print("countdown:", countdown.group(0), flush=True)


def half_even_percent(correct, total):
    return round(Fraction(100 * correct, total))


def end_and_review(app, window):
    press(button(app, "Ukončení testu"))
    close_message(app, END_MESSAGE)
    wait_for(lambda: status_sections(app)[2], "the success rate in the status line")
    sections = status_sections(app)
    counts = re.fullmatch(r"správně: (\d+)   špatně: (\d+)", sections[3])
    check(counts is not None, f"every question answered, no unanswered count: {sections[3]!r}")
    correct, wrong = int(counts.group(1)), int(counts.group(2))
    check(correct + wrong == 30, f"{correct} right and {wrong} wrong make 30")
    check(sections[2] == f"úspěšnost: {half_even_percent(correct, 30)}%",
          f"the success rate fits the counts: {sections[2]!r}")
    check(sections[1] == "" and sections[4] == "", "sections 2 and 5 stay empty")
    leds = indicators(app)
    check(sum(led.description == "správně" for led in leds) == correct
          and sum(led.description == "špatně" for led in leds) == wrong,
          "the indicators' descriptions match the counts")

    press(leds[2])
    heading(window, "Otázka číslo 3 / 30")
    markers = [n.name for n in find_all(window, "label") if showing(n)]
    check("správná odpověď" in markers, f"the review marks the correct answer: {markers}")
    return sections


def screenshot(path):
    subprocess.run(["import", "-window", "root", path], check=True, timeout=30)
    print("screenshot:", path, flush=True)


def print_dialog(app):
    def probe():
        for node in find_all(app, "dialog"):
            if showing(node) and node.name in PRINT_BUTTONS:
                return node
        return None
    return wait_for(probe, "the print dialog")


def accept_button(dialog):
    buttons = [b for b in find_all(dialog, "push button") if b.name in PRINT_BUTTONS and showing(b)]
    check(len(buttons) == 1, "the print dialog has its print button")
    return buttons[0]


def print_to_file(app, pdf_path):
    press(button(app, "Tisk testu"))
    dialog = print_dialog(app)
    outputs = [t for t in find_all(dialog, "text") if showing(t) and text_of(t).endswith(".pdf")]
    check(len(outputs) == 1, "without a printer the dialog offers printing to a PDF file")
    outputs[0].queryEditableText().setTextContents(pdf_path)
    check(text_of(outputs[0]) == pdf_path, "the output file name is filled in")
    press(accept_button(dialog))
    wait_for(lambda: os.path.exists(pdf_path) and os.path.getsize(pdf_path) > 0,
             "the printed PDF file", timeout=30)


def print_to_cups(app, out_dir):
    before = set(glob.glob(os.path.join(out_dir, "*.pdf")))
    press(button(app, "Tisk testu"))
    dialog = print_dialog(app)
    printers = [c.name for c in find_all(dialog, "combo box") if showing(c)]
    check("PDF" in printers, f"the print dialog offers the CUPS printer PDF: {printers}")
    # The dialog given the X input focus (there is no window manager); Enter presses its
    # default print button.
    subprocess.run(["xdotool", "search", "--name", "^(Tisk|Print)$", "windowfocus", "--sync"],
                   check=True, timeout=10)
    subprocess.run(["xdotool", "key", "Return"], check=True, timeout=10)
    new_files = wait_for(lambda: set(glob.glob(os.path.join(out_dir, "*.pdf"))) - before,
                         f"cups-pdf to write a PDF into {out_dir}", timeout=60)
    pdf = sorted(new_files)[0]
    # Written in one go once the job is done; wait until its size stops changing.
    wait_for(lambda: os.path.getsize(pdf) > 0 and stable_size(pdf), "the PDF to be complete")
    return pdf


def stable_size(path):
    size = os.path.getsize(path)
    time.sleep(0.5)
    return os.path.getsize(path) == size


def check_printout(pdf_path, through_postscript=False):
    text = subprocess.run(["pdftotext", "-enc", "UTF-8", pdf_path, "-"], check=True,
                          capture_output=True, timeout=30).stdout.decode("utf-8")
    # On its way through PostScript the letters beyond Latin-1 lose their text: "č" is garbled.
    heading = r"otázka\s+\S?\s*\.\s*(\d+)" if through_postscript else r"otázka č\. (\d+)"
    numbers = sorted(int(n) for n in re.findall(heading, text))
    check(numbers == list(range(1, 31)), f"the printout holds 'otázka č. 1' to 'otázka č. 30' once each: {numbers}")
    check("Test znalostí" in text, "the page head names the test")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--pdf", help="print to this PDF file")
    parser.add_argument("--cups-out", help="print to the default CUPS printer, whose PDFs land here")
    parser.add_argument("--screenshot")
    args = parser.parse_args()

    with Program(args.folder):
        try:
            app = find_application()
            window = frame(app)
            check(window.name == "Test - Test znalostí", "the window title names the opened bank")
            answer_every_question(app, window)
            end_and_review(app, window)
            if args.screenshot:
                screenshot(args.screenshot)
            if args.pdf:
                print_to_file(app, args.pdf)
                check_printout(args.pdf)
            if args.cups_out:
                pdf = print_to_cups(app, args.cups_out)
                check_printout(pdf, through_postscript=True)
                # cups-pdf writes outside our folder: leave nothing behind.
                os.remove(pdf)
        except CheckFailed as failure:
            print("FAILED:", failure, flush=True)
            return 1
    print("end-to-end run passed", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
