"""The program under test and everything around it: a private display, a Wine prefix with the
program installed, the loopback web site, the recorder that stands in for the browser, and
launches of the program. Shared by the end-to-end test and the start-up measurement."""
import datetime
import os
import shutil
import subprocess
import time

from e2e_display import PrivateDisplay
from e2e_machine import FIXTURE, LAST_SCAN_LINE
from e2e_site import LinksSite
from e2e_wine import Driver, WineSession

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

TERVANE_KEY = r"HKCU\Software\Tervane"
WINE_KEY = r"HKCU\Software\Wine"
BROWSER_KEY = r"HKCU\Software\Wine\WineBrowser"
PROGRAM = r"C:\Program Files\Tervane\Modulix\Modulix.exe"  # a path with a space, as installed
VELMET = r"C:\Program Files\Tervane\Velmet\Velmet.exe"
EMPTY_VELMET = r"C:\Program Files\Tervane\Velmet\Empty.exe"

# Control and command identifiers of the main window.
ID_DRIVERS, ID_GET_RAM, ID_GET_SPEC, ID_LIST, ID_QUIT, ID_OPEN_LOG = 100, 110, 120, 130, 200, 201

SCAN_WAIT_S = 40
OPEN_WAIT_S = 15
KEY_TIMEOUT_S = 30
KEY_GAP_MS = 30


class Environment:
    """Everything the test classes share: display, prefix, site, recorder and paths."""

    def __init__(self, options):
        self.options = options
        self.work = os.path.abspath(options.work)
        self.record = os.path.join(self.work, "opened.txt")
        self.display = self.session = self.site = self.driver = None
        self.administrator = None
        self.roaming = None  # Linux path of a roaming folder set for a test, else the prefix's

    def open(self):
        os.makedirs(self.work, exist_ok=True)
        try:
            self.display = PrivateDisplay().__enter__()
            self.session = WineSession(SOURCE_DIR, os.path.join(self.work, "prefix"), self.display.name).__enter__()
            self.site = LinksSite().__enter__()
            self.driver = Driver(self.session, self.options.driver)
            self._install()
            self.administrator = self.driver("facts")[0][1] == "1"
        except BaseException:
            self.close()
            raise

    def close(self):
        for part in (self.site, self.session, self.display):
            if part:
                part.__exit__(None, None, None)

    def install(self, exe, target):
        """Copies a built program to a Windows path on drive C: of the prefix."""
        os.makedirs(os.path.dirname(self.session.unix_path(target)), exist_ok=True)
        shutil.copy(exe, self.session.unix_path(target))

    def _install(self):
        self.install(self.options.modulix, PROGRAM)
        self.install(self.options.marker, VELMET)
        open(self.session.unix_path(EMPTY_VELMET), "wb").close()
        recorder = os.path.join(self.work, "record-open.sh")
        with open(recorder, "w") as script:
            script.write("#!/bin/sh\n# Stands in for the browser and the mail program.\n"
                         "printf '%%s\\n' \"$*\" >> '%s'\n" % self.record)
        os.chmod(recorder, 0o755)
        self.session.reg_set(BROWSER_KEY, "Browsers", recorder)
        self.session.reg_set(BROWSER_KEY, "Mailers", recorder)
        self.session.reg_set(WINE_KEY, "Version", "win7")

    # The user's hands.
    def act(self, *how):
        """("ctrl", LETTER) types Ctrl+LETTER on the keyboard; anything else is a driver command."""
        return self.press_ctrl(how[1]) if how[0] == "ctrl" else self.driver(*how)

    def press_ctrl(self, letter):
        """Ctrl+letter on the display's keyboard, with the main window in front: [["ctrl", letter,
        FOREGROUND]]. The keys go through the X server (XTest), as a real keyboard's do. Keys
        injected inside Wine alone are unknown to the X server, and Wine sets its modifier keys
        to the server's when a window first sees the pointer: a Ctrl injected just before that
        is let go before its letter arrives. The display has no window manager, so its keys go
        to the window under the pointer: the pointer is put just inside the main window."""
        _, front, x, y = self.driver("front")[0]
        subprocess.run(["xdotool", "mousemove", x, y, "key", "--delay", str(KEY_GAP_MS),
                        "ctrl+" + letter.lower()], env=dict(os.environ, DISPLAY=self.display.name),
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, timeout=KEY_TIMEOUT_S, check=True)
        return [["ctrl", letter, front]]

    # Paths of the program's files.
    def data_folder(self):
        return os.path.join(self.roaming or self.session.roaming_folder(), "Tervane", "Modulix")

    def log_path(self):
        return os.path.join(self.data_folder(), "Modulix.log")

    def links_path(self):
        return os.path.join(self.data_folder(), "modulix.ini")

    def log_identity(self):
        """Changes with every save of the log, which replaces the file."""
        try:
            info = os.stat(self.log_path())
            return info.st_ino, info.st_mtime_ns, info.st_size
        except FileNotFoundError:
            return None

    def read_log(self):
        try:
            with open(self.log_path(), "rb") as log:
                return log.read()
        except FileNotFoundError:
            return b""

    def forget_previous_runs(self):
        shutil.rmtree(self.data_folder(), ignore_errors=True)
        self.session.reg_delete_key(TERVANE_KEY)
        for path in (self.record, self.session.unix_path(VELMET) + ".started"):
            if os.path.exists(path):
                os.remove(path)

    # The recorder.
    def opened(self):
        try:
            with open(self.record) as record:
                return record.read().splitlines()
        except FileNotFoundError:
            return []

    def wait_for_opened(self, before):
        deadline = time.monotonic() + OPEN_WAIT_S
        while time.monotonic() < deadline:
            now = self.opened()
            if len(now) > before:
                time.sleep(0.2)  # a second open would show up now
                return self.opened()[before:]
            time.sleep(0.1)
        return []


class Run:
    """One launch of the program."""

    def __init__(self, env, arguments=(), site_url=None, program=PROGRAM):
        self.env = env
        self.started = datetime.datetime.now().replace(microsecond=0)
        self._old_log = env.log_identity()  # a log left by an earlier run must not count
        self.process = env.session.start(
            [program] + list(arguments),
            {"MODULIX_WMI_FIXTURE": WineSession.windows_path(FIXTURE),
             "MODULIX_SITE_URL": site_url or env.site.url})

    def running(self):
        return self.process.poll() is None

    def wait_for_scan(self):
        """Until the scan's last log line is written and the panels are set."""
        deadline = time.monotonic() + SCAN_WAIT_S
        while time.monotonic() < deadline:
            if not self.running():
                raise AssertionError("the program ended before its slot scan: exit %s, %s" % (
                    self.process.returncode, self.error_output()))
            log = self.env.read_log()
            if self.env.log_identity() != self._old_log and log.split(b"\r\n", 1)[0].endswith(LAST_SCAN_LINE) \
                    and not self.env.driver.states(ID_LIST + 3)[ID_LIST + 3][0]:
                return log
            time.sleep(0.2)
        raise AssertionError("no slot scan within %d s; log so far:\n%s" % (
            SCAN_WAIT_S, self.env.read_log().decode("cp1252")))

    def error_output(self):
        self.process.errors.seek(0)
        return self.process.errors.read().decode(errors="replace")

    def wait_for_exit(self, limit):
        try:
            self.process.wait(timeout=limit)
            return True
        except Exception:
            return False

    def stop(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        self.process.errors.close()

    @classmethod
    def until_scanned(cls, *args, **kwargs):
        """A launch that has finished its slot scan, and its log then."""
        run = cls(*args, **kwargs)
        try:
            return run, run.wait_for_scan()
        except BaseException:
            run.stop()
            raise
