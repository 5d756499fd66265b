"""End-to-end test of Modulix.exe: the built program runs under Wine on a private Xvfb display,
against the fixture machine tests/data/e2e_machine.json and a loopback web site, with Wine's
browser and mail program replaced by a recorder. The driver program clicks and reads the window;
keys are typed on the display's keyboard.

Usage: e2e_test.py --modulix EXE --driver EXE --marker EXE --work DIR [unittest options]

The test classes share one prefix and run in the order written: each launches the program,
acts on it and quits it.
"""
import argparse
import datetime
import os
import re
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_log import ANSI, describe, matches, parse_run_log  # noqa: E402
from e2e_machine import PANELS, SCAN, SEARCH_KEYWORDS  # noqa: E402
from e2e_program import (EMPTY_VELMET, ID_DRIVERS, ID_GET_RAM, ID_GET_SPEC, ID_LIST, ID_OPEN_LOG,  # noqa: E402
                         ID_QUIT, OPEN_WAIT_S, PROGRAM, SCAN_WAIT_S, TERVANE_KEY, VELMET, Environment, Run)
from e2e_site import closed_port_url  # noqa: E402

CAPTION = "Modulix v1.4.5.11"
WINDOWS_LINE = "Windows : 6.1 (Seven)"  # the prefix is set to report Windows 7
CLIENT_SIZE = (751, 495)
QUIT_LIMIT_S = 5
QUIET_S = 1.5  # how long "nothing happens" is watched

DOWNLOADED = ("Info", re.compile(r"File downloaded in \d+ms"))
REFUSED = ("Error", "File downloaded : Server error (10061)")
E2E = None  # the Environment, opened for the whole module


def start_up_lines(argument=None, program=PROGRAM):
    administrator = "Yes" if E2E.administrator else "No"
    lines = ["Starting", program, CAPTION, WINDOWS_LINE, "64Bits : Yes", "Administrator : " + administrator]
    return [("Info", line) for line in lines + ([argument] if argument is not None else [])]


class ProgramTestCase(unittest.TestCase):
    def assertRunLog(self, data, expected, started):
        """The whole log file: `expected` oldest first, each entry (level, text or pattern)."""
        entries = parse_run_log(data)
        got = ["%s\t%s" % (level, message) for level, _, message in reversed(entries)]
        same = len(entries) == len(expected) and all(
            matches(e, level, message) for e, (level, _, message) in zip(expected, reversed(entries)))
        self.assertTrue(same, "run log, oldest first:\n  got:  %s\n  want: %s" % (
            "\n        ".join(map(repr, got)), "\n        ".join(repr(describe(e)) for e in expected)))
        stamps = [stamp for _, stamp, _ in entries]
        self.assertEqual(stamps, sorted(stamps, reverse=True), "time stamps not newest first")
        now = datetime.datetime.now()
        for stamp in stamps:
            self.assertTrue(started - datetime.timedelta(seconds=1) <= stamp <= now, "time stamp %s" % stamp)

    def wait_for_file(self, path):
        deadline = time.monotonic() + OPEN_WAIT_S
        while not os.path.exists(path) and time.monotonic() < deadline:
            time.sleep(0.1)
        return os.path.exists(path)

    def click_and_record(self, control_id):
        """Clicks the control and returns what the shell was asked to open (recorder lines)."""
        before = len(E2E.opened())
        clicked = E2E.driver("click", control_id)
        self.assertEqual(clicked[0][2], "1", "the main window could not be brought to the front")
        return E2E.wait_for_opened(before)

    def set_links_file(self, content):
        with open(E2E.links_path(), "wb") as links:
            links.write(content)

    def quit_and_check(self, run, how, log_before):
        E2E.act(*how)
        self.assertTrue(run.wait_for_exit(QUIT_LIMIT_S), "the program is still running %d s after %s" % (QUIT_LIMIT_S, how))
        self.assertEqual(run.process.returncode, 0)
        self.assertEqual(E2E.read_log(), log_before, "quitting changed the log")


GOOD_LINK = "https://shop.example/memory?from=modulix&slot=empty"


class FirstRunTest(ProgramTestCase):
    """A first start on the fixture machine with a good links file, then every button."""

    @classmethod
    def setUpClass(cls):
        E2E.forget_previous_runs()
        # What a save cut short in an earlier run left behind: the start-up removes it.
        os.makedirs(E2E.data_folder(), exist_ok=True)
        leftover = os.path.join(E2E.data_folder(), "Modulix.log.1f2c-3.tmp")
        open(leftover, "wb").close()
        os.utime(leftover, (0, 0))
        cls.links = b"; links of the maker's family\r\n[links]\r\nram=" + GOOD_LINK.encode() + b"\r\n"
        E2E.site.serve_links(cls.links)
        cls.program, cls.log = Run.until_scanned(E2E)

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()

    def test_run_log_holds_start_up_download_and_scan(self):
        self.assertRunLog(self.log, start_up_lines() + [DOWNLOADED] + SCAN, self.program.started)
        self.assertEqual([path for path, _ in E2E.site.requests()], ["/modulix/modulix.ini"])

    def test_program_is_registered_titled_and_has_its_links_file(self):
        self.assertEqual(E2E.session.reg_query(TERVANE_KEY, "Modulix"), ("REG_SZ", PROGRAM))
        self.assertEqual(E2E.driver.caption(), CAPTION)
        with open(E2E.links_path(), "rb") as links:
            self.assertEqual(links.read(), self.links)
        self.assertEqual(sorted(os.listdir(E2E.data_folder())), ["Modulix.log", "modulix.ini"])

    def test_panels_show_the_fixture_machine(self):
        for panel, rows in enumerate(PANELS):
            self.assertEqual(E2E.driver.list_rows(ID_LIST + panel), rows, "list %d" % (panel + 1))
        states = E2E.driver.states(*[base + i for base in (ID_LIST, ID_GET_RAM, ID_GET_SPEC) for i in range(4)])
        visible = {i: states[i][0] for i in states}
        self.assertEqual([visible[ID_LIST + i] for i in range(4)], [True, True, False, False], "lists")
        self.assertEqual([visible[ID_GET_RAM + i] for i in range(4)], [False, False, True, True], "empty-slot buttons")
        self.assertEqual([visible[ID_GET_SPEC + i] for i in range(4)], [True, True, False, False], "spec buttons")
        self.assertTrue(states[ID_GET_SPEC][1] and states[ID_GET_SPEC + 1][1], "spec buttons enabled")
        caption = "Empty slot !\n\rClick here to get more RAM"
        self.assertEqual([states[ID_GET_RAM + i][2] for i in range(4)], [caption] * 4)
        geometry = [int(v) for v in E2E.driver("geometry")[0][1:]]
        self.assertEqual(tuple(geometry[:2]), CLIENT_SIZE)
        # For people to compare with the layout: the filled window, its frame included.
        left, top, right, bottom = geometry[4:]
        shot = os.path.join(E2E.work, "filled_window.png")
        E2E.display.screenshot(shot, (right - left, bottom - top, left, top))
        print("\nscreenshot of the filled window: " + shot, file=sys.stderr)

    def test_empty_slot_button_opens_the_links_file_address(self):
        self.assertEqual(self.click_and_record(ID_GET_RAM + 2), [GOOD_LINK])
        # The file is read at every click: a new address counts at once, any case of the scheme.
        # Wine's browser launcher writes scheme and host in lower case; the path keeps its own.
        try:
            self.set_links_file(b"[links]\r\nram=HTTP://Shop.Example/RAM\r\n")
            self.assertEqual(self.click_and_record(ID_GET_RAM + 3), ["http://shop.example/RAM"])
        finally:
            self.set_links_file(self.links)

    def test_empty_slot_button_opens_the_default_for_unusable_links(self):
        default = E2E.site.url + "/modulix"
        # An address longer than the reader's buffer would be cut short and then opened; one
        # without a host names no page.
        too_long = b"http://shop.example/" + b"r" * 2100
        values = [b"x", b"C:\\Windows\\System32\\cmd.exe", b"\\\\host\\share\\x.exe",
                  b"file:///C:/windows/system32/winver.exe", b"http://shop.example/\x01ram", b"javascript:alert(1)",
                  too_long, b"http://", b"http:///ram"]
        try:
            for value in values:
                with self.subTest(ram=value):
                    self.set_links_file(b"[links]\r\nram=" + value + b"\r\n")
                    self.assertEqual(self.click_and_record(ID_GET_RAM + 2), [default])
            os.remove(E2E.links_path())
            self.assertEqual(self.click_and_record(ID_GET_RAM + 2), [default], "no links file")
        finally:
            self.set_links_file(self.links)

    def test_search_button_opens_the_encoded_search(self):
        for panel, keyword in enumerate(SEARCH_KEYWORDS):
            with self.subTest(panel=panel + 1):
                self.assertEqual(self.click_and_record(ID_GET_SPEC + panel),
                                 [E2E.site.url + "/modulix/index.php?keyword=" + keyword])

    def test_drivers_update_opens_the_page_or_starts_velmet(self):
        page = E2E.site.url + "/quorin/drivers.php"
        marker = E2E.session.unix_path(VELMET) + ".started"
        try:
            self.assertEqual(self.click_and_record(ID_DRIVERS), [page], "no Velmet value")
            for missing in (EMPTY_VELMET, r"C:\Program Files\Tervane\Velmet\Gone.exe"):
                with self.subTest(velmet=missing):
                    E2E.session.reg_set(TERVANE_KEY, "Velmet", missing)
                    self.assertEqual(self.click_and_record(ID_DRIVERS), [page])
            E2E.session.reg_set(TERVANE_KEY, "Velmet", VELMET)
            before = E2E.opened()
            E2E.driver("click", ID_DRIVERS)
            deadline = time.monotonic() + OPEN_WAIT_S
            while not os.path.exists(marker) and time.monotonic() < deadline:
                time.sleep(0.1)
            self.assertTrue(os.path.exists(marker), "Velmet was not started")
            self.assertEqual(E2E.opened(), before, "a page was opened as well")
        finally:
            E2E.session.reg_delete_value(TERVANE_KEY, "Velmet")

    def test_activating_again_runs_nothing_again(self):
        log, requests = E2E.read_log(), len(E2E.site.requests())
        away = E2E.driver("away")[0]
        self.assertEqual(away[1:], ["1", "1"], "switching to another window and back did not happen")
        time.sleep(QUIET_S)
        self.assertEqual(E2E.read_log(), log, "activation changed the log")
        self.assertEqual(len(E2E.site.requests()), requests, "activation downloaded again")
        self.assertEqual(E2E.driver.caption(), CAPTION)

    def test_ctrl_q_ends_the_program(self):
        self.quit_and_check(self.program, ("ctrl", "Q"), E2E.read_log())


class SecondRunTest(ProgramTestCase):
    """A second start with arguments, while the site serves an unsafe links file."""

    ARGUMENT = r"C:\users\Public\Documents\memory report.txt"

    @classmethod
    def setUpClass(cls):
        E2E.site.serve_links(b"[links]\r\nram=C:\\Windows\\System32\\cmd.exe\r\n")
        cls.program, cls.log = Run.until_scanned(E2E, [cls.ARGUMENT, "second"])

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()

    def test_log_holds_only_this_run_with_its_first_argument(self):
        self.assertRunLog(self.log, start_up_lines(self.ARGUMENT) + [DOWNLOADED] + SCAN, self.program.started)

    def test_unsafe_downloaded_link_opens_the_default(self):
        self.assertEqual(self.click_and_record(ID_GET_RAM + 2), [E2E.site.url + "/modulix"])

    def test_menu_quit_ends_the_program(self):
        self.quit_and_check(self.program, ("command", ID_QUIT), E2E.read_log())


class FailedDownloadTest(ProgramTestCase):
    """Links file downloads that fail: an error status, a refused connection."""

    def launch(self, site_url=None):
        run, log = Run.until_scanned(E2E, site_url=site_url)
        self.addCleanup(run.stop)
        return run, log

    def test_an_error_status_or_a_page_that_is_no_links_file_keeps_the_last_links_file(self):
        last_good = b"[links]\r\nram=" + GOOD_LINK.encode() + b"\r\n"
        for status, page, line in (
                (404, b"<html><body>404 Not Found</body></html>", "File downloaded : Server error (404)"),
                (200, b"<html><body>Sign in</body></html>\r\n", "File downloaded : Refused (line 1 is not key=value)")):
            with self.subTest(status=status):
                os.makedirs(E2E.data_folder(), exist_ok=True)
                self.set_links_file(last_good)
                E2E.site.serve_links(page, status=status)
                run, log = self.launch()
                self.assertRunLog(log, start_up_lines() + [("Error", line)] + SCAN, run.started)
                with open(E2E.links_path(), "rb") as links:
                    self.assertEqual(links.read(), last_good, "the page replaced the links file")
                self.assertEqual(self.click_and_record(ID_GET_RAM + 3), [GOOD_LINK])
                self.quit_and_check(run, ("ctrl", "Q"), log)

    def test_refused_connection_is_logged_and_gives_the_default_link(self):
        E2E.forget_previous_runs()
        site = closed_port_url()
        run, log = self.launch(site)
        self.assertRunLog(log, start_up_lines() + [REFUSED] + SCAN, run.started)
        self.assertFalse(os.path.exists(E2E.links_path()), "a links file appeared")
        self.assertEqual(self.click_and_record(ID_GET_RAM + 2), [site + "/modulix"])
        self.quit_and_check(run, ("ctrl", "Q"), log)


class QuitDuringDownloadTest(ProgramTestCase):
    """The site takes the request and never answers; the user quits meanwhile."""

    def setUp(self):
        E2E.site.never_answer()
        self.addCleanup(E2E.site.release)

    def quit_while_waiting(self, how):
        run = Run(E2E)
        self.addCleanup(run.stop)
        deadline = time.monotonic() + SCAN_WAIT_S
        while not E2E.site.requests() and time.monotonic() < deadline and run.running():
            time.sleep(0.1)
        self.assertTrue(E2E.site.requests(), "the program never asked for the links file")
        log = E2E.read_log()
        self.assertRunLog(log, start_up_lines(), run.started)
        answer = E2E.act(*how)
        self.assertTrue(run.wait_for_exit(QUIT_LIMIT_S),
                        "still running %d s after %s during the download (driver: %r)" % (QUIT_LIMIT_S, how, answer))
        self.assertEqual(run.process.returncode, 0, run.error_output())
        # The start-up lines stay; the download may record its abort; the scan never runs.
        after = parse_run_log(E2E.read_log())
        self.assertEqual(E2E.read_log()[-len(log):], log)
        extra = [(level, message) for level, _, message in after[:len(after) - len(parse_run_log(log))]]
        self.assertTrue(all(level == "Error" and message.startswith("File downloaded : Server error (")
                            for level, message in extra) and len(extra) <= 1, "lines after quitting: %r" % extra)

    def test_ctrl_q_during_the_download(self):
        self.quit_while_waiting(("ctrl", "Q"))

    def test_close_box_during_the_download(self):
        self.quit_while_waiting(("close",))


USER_SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders"
LOG_TYPE_KEY = r"HKCR\.log"
LOG_CLASS_KEY = r"HKCR\ModulixE2E.log"
# Outside code page 1252, the prefix's ANSI code page.
NON_ANSI_USER = "C:\\users\\\u0414\u043c\u0438\u0442\u0440\u0438\u0439"
NON_ANSI_ROAMING = NON_ANSI_USER + "\\AppData\\Roaming"
NON_ANSI_PROGRAM = "C:\\Program Files\\\u0422\u0435\u0440\u0432\u0435\u0439\u043d\\Modulix\\Modulix.exe"
NON_ANSI_VELMET = "C:\\Program Files\\\u0422\u0435\u0440\u0432\u0435\u0439\u043d\\Velmet\\Velmet.exe"
LOG_EDITOR = r"C:\Program Files\Tervane\Editor\Editor.exe"  # the marker, as the ".log" editor


class NonAnsiFoldersTest(ProgramTestCase):
    """A roaming folder and an install folder named outside the ANSI code page: the log, the links
    file, the registry value, "Open log file" and the driver-update program all use exact paths."""

    @classmethod
    def setUpClass(cls):
        E2E.forget_previous_runs()
        cls.addClassCleanup(cls.restore_prefix, E2E.session.reg_query(USER_SHELL_FOLDERS, "AppData"),
                            E2E.session.reg_query_default(LOG_TYPE_KEY))
        os.makedirs(E2E.session.unix_path(NON_ANSI_ROAMING), exist_ok=True)
        E2E.session.reg_set(USER_SHELL_FOLDERS, "AppData", NON_ANSI_ROAMING, "REG_EXPAND_SZ")
        E2E.roaming = E2E.session.unix_path(NON_ANSI_ROAMING)
        E2E.install(E2E.options.modulix, NON_ANSI_PROGRAM)
        E2E.install(E2E.options.marker, NON_ANSI_VELMET)
        E2E.install(E2E.options.marker, LOG_EDITOR)
        E2E.session.reg_set_default(LOG_TYPE_KEY, "ModulixE2E.log")
        E2E.session.reg_set_default(LOG_CLASS_KEY + r"\shell\open\command", '"%s" "%%1"' % LOG_EDITOR)
        cls.links = b"[links]\r\nram=" + GOOD_LINK.encode() + b"\r\n"
        E2E.site.serve_links(cls.links)
        cls.program, cls.log = Run.until_scanned(E2E, program=NON_ANSI_PROGRAM)
        cls.addClassCleanup(cls.program.stop)

    @staticmethod
    def restore_prefix(appdata, log_type):
        """Puts the prefix back as the other tests (and the next run) expect it."""
        E2E.roaming = None
        if appdata:
            E2E.session.reg_set(USER_SHELL_FOLDERS, "AppData", appdata[1], appdata[0])
        else:
            E2E.session.reg_delete_value(USER_SHELL_FOLDERS, "AppData")
        E2E.session.reg_delete_key(LOG_CLASS_KEY)
        if log_type:
            E2E.session.reg_set_default(LOG_TYPE_KEY, log_type[1])
        else:
            E2E.session.reg_delete_key(LOG_TYPE_KEY)
        shutil.rmtree(E2E.session.unix_path(NON_ANSI_USER), ignore_errors=True)
        E2E.session.reg_delete_key(TERVANE_KEY)

    def test_log_and_links_file_lie_in_the_roaming_folder(self):
        # The log's text is ANSI: there the path's Cyrillic letters are question marks.
        program_text = NON_ANSI_PROGRAM.encode(ANSI, "replace").decode(ANSI)
        self.assertRunLog(self.log, start_up_lines(program=program_text) + [DOWNLOADED] + SCAN, self.program.started)
        with open(E2E.links_path(), "rb") as links:
            self.assertEqual(links.read(), self.links)
        self.assertEqual(sorted(os.listdir(E2E.data_folder())), ["Modulix.log", "modulix.ini"])

    def test_registry_value_holds_the_exact_path(self):
        self.assertEqual(E2E.driver("vendor", "Modulix"), [["vendor", "Modulix", NON_ANSI_PROGRAM]])

    def test_empty_slot_button_reads_the_links_file(self):
        self.assertEqual(self.click_and_record(ID_GET_RAM + 2), [GOOD_LINK])

    def test_open_log_file_opens_the_log_by_its_exact_path(self):
        marker = E2E.session.unix_path(LOG_EDITOR) + ".started"
        E2E.driver("command", ID_OPEN_LOG)
        self.assertTrue(self.wait_for_file(marker), "the log's editor was not started")
        time.sleep(0.2)  # the marker writes its command line right after creating the file
        with open(marker, encoding="utf-8") as started:
            self.assertIn('"%s\\Tervane\\Modulix\\Modulix.log"' % NON_ANSI_ROAMING, started.read())

    def test_drivers_update_starts_velmet_from_its_exact_path(self):
        marker = E2E.session.unix_path(NON_ANSI_VELMET) + ".started"
        try:
            E2E.session.reg_set(TERVANE_KEY, "Velmet", NON_ANSI_VELMET)
            before = E2E.opened()
            E2E.driver("click", ID_DRIVERS)
            self.assertTrue(self.wait_for_file(marker), "Velmet was not started")
            self.assertEqual(E2E.opened(), before, "a page was opened as well")
        finally:
            E2E.session.reg_delete_value(TERVANE_KEY, "Velmet")

    def test_ctrl_q_ends_the_program(self):
        self.quit_and_check(self.program, ("ctrl", "Q"), E2E.read_log())


ORDER = [FirstRunTest, SecondRunTest, FailedDownloadTest, QuitDuringDownloadTest, NonAnsiFoldersTest]


def load_tests(loader, tests, pattern):
    """The classes share one prefix and one site: run them, and their tests, as written."""
    suite = unittest.TestSuite()
    for case in ORDER:
        names = [name for name in vars(case) if name.startswith("test")]
        suite.addTests(case(name) for name in names)
    return suite


def setUpModule():
    E2E.open()


def tearDownModule():
    E2E.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    for name in ("modulix", "driver", "marker", "work"):
        parser.add_argument("--" + name, required=True)
    options, rest = parser.parse_known_args()
    global E2E
    E2E = Environment(options)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
