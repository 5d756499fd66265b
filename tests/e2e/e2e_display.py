"""A private Xvfb display for one test run, so clicks and screenshots see only our windows."""
import ctypes
import os
import signal
import subprocess
import time

SCREEN = "1280x1024x24"
FIRST_DISPLAY, LAST_DISPLAY = 151, 250
START_TIMEOUT_S = 10
PR_SET_PDEATHSIG = 1


def _die_with_parent():
    # A test run killed by its time limit must not leave a display behind.
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


class PrivateDisplay:
    def __init__(self):
        self.name = None
        self._process = None

    def __enter__(self):
        for number in range(FIRST_DISPLAY, LAST_DISPLAY + 1):
            if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
                continue
            if self._start(number):
                return self
        raise RuntimeError("could not start Xvfb on any free display")

    def _start(self, number):
        self._process = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", SCREEN, "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent)
        deadline = time.monotonic() + START_TIMEOUT_S
        while time.monotonic() < deadline:
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                self.name = f":{number}"
                return True
            if self._process.poll() is not None:
                return False  # somebody else took the number meanwhile
            time.sleep(0.05)
        self._process.kill()
        self._process.wait()
        return False

    def __exit__(self, *exc):
        if self._process and self._process.poll() is None:
            self._process.terminate()
            try:
                self._process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        return False

    def screenshot(self, path, crop=None):
        """Saves the screen (or the crop (width, height, left, top) of it) as a PNG."""
        command = ["import", "-display", self.name, "-window", "root"]
        if crop:
            command += ["-crop", "{}x{}+{}+{}".format(*crop)]
        subprocess.run(command + [path], check=True, timeout=30)
