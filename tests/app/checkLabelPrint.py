#!/usr/bin/env python3
"""Prints a label through Wine's print dialog to the PDF printer and checks the PDF a user gets:
the label's texts are in it and no picture is (the background stays on screen).

usage: checkLabelPrint.py [EMULATOR...] labelPrintTests.exe
"""
import re
import subprocess
import sys

EXPECTED_TEXTS = ["Hähnchenbrust in Rahmsauce", "Zutaten:", "Hähnchenbrust, Reis, Sahne",
                  "Ohne Konservierungsstoffe", "Füllmenge:", "Fleischeinwaage:"]


def fail(message):
    print("checkLabelPrint: " + message)
    sys.exit(1)


def printed_pdf(command):
    run = subprocess.run(command + ["--gtest_filter=LabelPrintTest.Confirmed*"],
                         capture_output=True, text=True, errors="replace", timeout=100)
    print(run.stdout)
    if run.returncode != 0:
        fail("printing failed:\n" + run.stderr)
    found = re.search(r"printed label: Z:(.*\.pdf)", run.stdout)
    if not found:
        fail("the test named no PDF")
    return found.group(1).replace("\\", "/")


def main():
    pdf = printed_pdf(sys.argv[1:])
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True,
                          check=True).stdout
    missing = [expected for expected in EXPECTED_TEXTS if expected not in text]
    if missing:
        fail("missing in %s: %s\n%s" % (pdf, missing, text))
    images = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True,
                            check=True).stdout.splitlines()[2:]
    if images:
        fail("the printed label holds pictures:\n" + "\n".join(images))
    print("label printed to " + pdf)


main()
