"""Drives the real program end to end: a working folder with its own copy of the sample database
and its own ODBC registration, the program under Wine on the X display of the test run, real
mouse and key input through the X server (xdotool), and the window probe, the database copy and
settings.ini to read back what happened."""

import os
import shutil
import sqlite3
import subprocess
import tempfile
import time
import unittest

from windows import Snapshot

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.environ.get("ETIKETT_BUILD", os.path.join(ROOT, "build", "windows"))
PROGRAM = os.path.join(BUILD, "app", "Etikett.exe")
GALLERY = os.path.join(BUILD, "demos", "widgetGallery.exe")
PROBE = os.path.join(BUILD, "tests", "support", "windowprobe", "windowProbe.exe")
ADAPTER = os.environ.get("MEALS_ODBC_ADAPTER",
                         os.path.join(ROOT, "build", "native", "odbcdriver", "libmealsodbc.so"))
# Pictures of failed tests are kept here.
FAILURES = os.environ.get("E2E_FAILURES", os.path.join(BUILD, "e2e-failures"))

MAIN_TITLE = "Kalvenora - Etikett"
PASSWORD_TITLE = "Eingabemodus..."
SAVE_TITLE = "Struktur speichern..."
SETUP_PASSWORD = "tessmolin"
MENU_COLUMNS = ("Name", "Art.-Nr.", "Verkehrsbezeichnung")
INGREDIENT_COLUMNS = ("Name", "Art.-Nr.", "Klasse", "Verkehrsbezeichnung")
# Wine labels the buttons of system message boxes in its own user-interface language.
BUTTON_NAMES = {"Ja": ("Ja", "Yes"), "Nein": ("Nein", "No")}
# How long a user-visible reaction may take under Wine: searches wait 500 ms before they run.
REACTION_SECONDS = 15
START_SECONDS = 60


class WorkFolder:
    """A temporary working folder laid out as the program expects it relative to its working
    directory: data/meals.mdb, properties/, images/, and settings.ini once written."""

    def __init__(self, with_database=True):
        self.path = tempfile.mkdtemp(prefix="etikett-e2e-")
        for folder in ("properties", "images"):
            shutil.copytree(os.path.join(ROOT, folder), os.path.join(self.path, folder))
        os.makedirs(os.path.join(self.path, "data"))
        self.database = os.path.join(self.path, "data", "meals.mdb")
        self.backup = os.path.join(self.path, "data", "backup.mdb")
        self.settings_file = os.path.join(self.path, "settings.ini")
        self.odbc = os.path.join(self.path, "odbc")
        if with_database:
            _run("bash", os.path.join(ROOT, "scripts", "create-database.sh"), self.database,
                 "--sample")
        _run("bash", os.path.join(ROOT, "scripts", "odbc-register.sh"), self.odbc,
             os.path.join(self.path, "testdb"), ADAPTER, self.database)

    def query(self, statement, parameters=(), database=None):
        connection = sqlite3.connect(database or self.database)
        try:
            rows = connection.execute(statement, parameters).fetchall()
            connection.commit()
            return rows
        finally:
            connection.close()

    def settings(self):
        """settings.ini as a dictionary; comment lines skipped."""
        values = {}
        with open(self.settings_file, encoding="cp1252") as file:
            for line in file:
                line = line.rstrip("\r\n")
                if line.startswith("#") or "=" not in line:
                    continue
                key, value = line.split("=", 1)
                values[key.strip()] = value
        return values

    def remove(self):
        shutil.rmtree(self.path, ignore_errors=True)


class Program:
    """The program running in a work folder, and what a user does with it."""

    def __init__(self, folder):
        self.folder = folder
        self.log_path = os.path.join(folder.path, "program.log")
        self.process = None

    def environment(self):
        environment = dict(os.environ, ODBCSYSINI=self.folder.odbc)
        environment.pop("ODBCINI", None)
        return environment

    def start(self, executable=PROGRAM, *arguments):
        with open(self.log_path, "ab") as log:
            self.process = subprocess.Popen(
                ["bash", os.path.join(ROOT, "scripts", "wine-run.sh"), executable, *arguments],
                cwd=self.folder.path, env=self.environment(), stdin=subprocess.DEVNULL,
                stdout=log, stderr=subprocess.STDOUT)

    # Reading the screen

    def probe(self, title, exact=False, wait=0, top_only=False):
        """The windows whose title contains (or with exact, equals) title; empty when none."""
        arguments = ["--wait", str(wait)]
        if exact:
            arguments.append("--exact")
        if top_only:
            arguments.append("--top")
        return Snapshot(self._run_probe(*arguments, title, timeout=wait + 60))

    def _run_probe(self, *arguments, timeout=60):
        # Through a file, not a pipe: a wine server or desktop process started on the way would
        # inherit a pipe and hold it open long after the probe has ended.
        with tempfile.TemporaryFile() as output:
            subprocess.run(["bash", os.path.join(ROOT, "scripts", "wine-run.sh"), PROBE,
                            *arguments], env=self.environment(), stdin=subprocess.DEVNULL,
                           stdout=output, stderr=subprocess.DEVNULL, timeout=timeout)
            output.seek(0)
            return output.read().decode("utf-8", errors="replace")

    def wait_for_window(self, title, exact=False, timeout=REACTION_SECONDS):
        # A probe that meets a window closing under it prints nothing: it is asked again until
        # the time is up.
        deadline = time.monotonic() + timeout
        while True:
            left = max(1, round(deadline - time.monotonic()))
            snapshot = self.probe(title, exact=exact, wait=left)
            if snapshot or time.monotonic() >= deadline:
                break
        if not snapshot:
            raise AssertionError(f"no window titled '{title}' within {timeout} s")
        return snapshot

    def wait_until_gone(self, title, exact=False, timeout=REACTION_SECONDS):
        self.wait_until(lambda: not self.probe(title, exact=exact, top_only=True),
                        f"window '{title}' still open", timeout)

    def main_window(self):
        return self.wait_for_window(MAIN_TITLE)

    @staticmethod
    def wait_until(condition, description, timeout=REACTION_SECONDS):
        """Polls condition until it gives a true value and returns that value."""
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if time.monotonic() > deadline:
                raise AssertionError(f"timed out after {timeout} s: {description}")
            time.sleep(0.2)

    # Input through the X server

    # One xdotool call per gesture: the X server handles its events in order, while waiting for
    # the pointer to arrive (--sync) stalls for seconds when it is already there.
    def click(self, point, count=1, button=1):
        _run("xdotool", "mousemove", str(point[0]), str(point[1]),
             "click", "--repeat", str(count), "--delay", "80", str(button))

    def drag(self, start, end):
        # In steps, so that the control follows the mouse as it would a hand.
        steps = []
        for step in (1, 2, 3, 4):
            x = start[0] + (end[0] - start[0]) * step // 4
            y = start[1] + (end[1] - start[1]) * step // 4
            steps += ["sleep", "0.1", "mousemove", str(x), str(y)]
        _run("xdotool", "mousemove", str(start[0]), str(start[1]), "mousedown", "1", *steps,
             "sleep", "0.1", "mouseup", "1")

    def click_window(self, window, count=1):
        self.click(window.bounds.centre, count)

    def click_button(self, title, label):
        """Clicks the button of that label in the window with that title."""
        snapshot = self.wait_for_window(title)
        button = next(filter(None, (snapshot.find("Button", name)
                                    for name in BUTTON_NAMES.get(label, (label,)))), None)
        if button is None:
            raise AssertionError(f"no button '{label}' in '{title}'")
        self.click_window(button)

    def key(self, *names):
        _run("xdotool", "key", "--delay", "80", *names)

    def type(self, text):
        _run("xdotool", "type", "--delay", "60", text)

    def fill(self, field, text):
        """Clicks into the edit field and types text over what it holds."""
        self.click_window(field)
        self.key("End", "shift+Home", "BackSpace")
        if text:
            self.type(text)

    def answer(self, title, label):
        """Waits for the box or dialog titled title, clicks its button label and waits until it
        has gone."""
        self.click_button(title, label)
        self.wait_until_gone(title)

    # Ending

    def close(self, title=MAIN_TITLE, timeout=REACTION_SECONDS * 2):
        """Closes the window as its close box does and returns the program's exit code. Leaving
        setup mode on the way is confirmed, without a backup copy; unsaved changes are dropped."""
        self._run_probe("--close", title)
        deadline = time.monotonic() + timeout
        while self.process.poll() is None:
            for box, label in ((PASSWORD_TITLE, "OK"), (SAVE_TITLE, "Nein")):
                if self.probe(box, exact=True, top_only=True):
                    self.click_button(box, label)
            if time.monotonic() > deadline:
                raise AssertionError(f"the program still runs {timeout} s after closing")
            time.sleep(0.2)
        return self.process.returncode

    def is_running(self):
        return self.process is not None and self.process.poll() is None

    def wait_for_exit(self, timeout=REACTION_SECONDS * 2):
        return self.process.wait(timeout=timeout)

    def kill(self):
        if self.is_running():
            self.process.kill()
            self.process.wait()

    def screenshot(self, path):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        subprocess.run(["import", "-window", "root", path], capture_output=True, timeout=30)


def _run(*command):
    """Runs a Linux tool (never a Windows program: see _run_probe) and fails with its message."""
    result = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
    if result.returncode != 0:
        raise RuntimeError(f"{command[0]} failed: {result.stderr.decode(errors='replace')}")


class ProgramTestCase(unittest.TestCase):
    """Starts the program on a fresh copy of the sample database before each test and closes it in
    order after it, expecting a clean end; after a failure keeps a picture of the screen and the
    program's output in FAILURES."""

    with_database = True

    def setUp(self):
        self.folder = WorkFolder(self.with_database)
        self.program = Program(self.folder)
        self.addCleanup(self.folder.remove)
        self.addCleanup(self.program.kill)
        if self.with_database:
            self.program.start()
            self.program.main_window()

    def tearDown(self):
        # After a failure a dialog may still be open, which keeps the window from closing.
        if self._failed():
            self.keep_evidence()
            return
        if self.program.is_running():
            try:
                code = self.program.close()
            except AssertionError:
                self.keep_evidence()
                raise
            self.assertEqual(code, 0, "the program ends cleanly")

    def keep_evidence(self):
        base = os.path.join(FAILURES, ".".join(self.id().rsplit(".", 2)[-2:]))
        self.program.screenshot(base + ".png")
        for kept, ending in ((self.program.log_path, ".log"), (self.folder.settings_file, ".ini")):
            if os.path.exists(kept):
                shutil.copyfile(kept, base + ending)

    def _failed(self):
        result = self._outcome.result
        return any(test is self for test, _ in result.errors + result.failures)

    # What the scenarios share

    def query(self, statement, parameters=()):
        return self.folder.query(statement, parameters)

    def component_labels(self, menu_id):
        """The tree's labels of the ingredients placed directly in the menu: name and weight."""
        rows = self.query("SELECT Zutaten.Name, Mengen.Fuellmenge FROM Mengen JOIN Zutaten"
                          " ON Zutaten.ID = Mengen.Kind WHERE Mengen.Eltern = ?", (menu_id,))
        return [f"{name} ({weight:.1f} g)".replace(".", ",") for name, weight in rows]

    def snapshot(self):
        return self.program.main_window()

    def wait_for(self, condition, description, timeout=REACTION_SECONDS):
        """Probes the main window until condition(snapshot) gives a true value; returns it."""
        return self.program.wait_until(lambda: condition(self.snapshot()), description, timeout)

    @staticmethod
    def menu_table(snapshot):
        return snapshot.table(*MENU_COLUMNS)

    @staticmethod
    def ingredient_table(snapshot):
        return snapshot.table(*INGREDIENT_COLUMNS)

    @staticmethod
    def tree(snapshot):
        return snapshot.find("SysTreeView32")

    def table_on(self, page):
        """How to find the table of the tab page "Menüs" or "Zutaten" in a snapshot."""
        return self.menu_table if page == "Menüs" else self.ingredient_table

    def show_tab(self, name):
        """Brings the tab page "Menüs" or "Zutaten" to the front and returns its table."""
        table_of = self.table_on(name)
        tab = self.snapshot().find("SysTabControl32").tab_named(name)
        if not tab.selected:
            self.program.click(tab.bounds.centre)
        return self.wait_for(table_of, f"the tab page {name} shows")

    def search(self, term):
        """Types term over the search field of the page in front."""
        self.program.fill(self.snapshot().find("ComboBox"), term)

    def find_row(self, page, item_id, name):
        """Shows the tab page, searches for the item's article number and returns its row once
        the table holds the search's result only."""
        table_of = self.table_on(page)
        self.show_tab(page)
        self.search(str(item_id))

        def searched_row(snapshot):
            rows = table_of(snapshot).rows
            if all(str(item_id) in row.texts[1] for row in rows):
                return table_of(snapshot).row_named(name)
            return None
        return self.wait_for(searched_row, f"the search lists '{name}'")

    def tick(self, row):
        self.program.click(row.check_box)

    def enter_setup_mode(self, password=SETUP_PASSWORD):
        self.program.key("ctrl+e")
        self.program.wait_for_window(PASSWORD_TITLE)
        self.program.type(password)
        self.program.key("Return")
