"""One Wine prefix of our own, driven through scripts/wine-run: registry access, programs started
in it, paths between Linux and Windows, and the driver program that acts on the main window."""
import glob
import os
import re
import subprocess
import tempfile

WINESERVER = "/usr/lib/wine/wineserver"
# The server outlives the last program by this much, so commands in a row share it, and a run
# that is killed before it can stop the server leaves nothing behind for long.
SERVER_LINGER_S = 60
COMMAND_TIMEOUT_S = 60
_REG_LINE = re.compile(r"^\s+(.*?)\s{4}(REG_\w+)\s{4}(.*)$")


class WineSession:
    def __init__(self, source_dir, prefix, display):
        self.prefix = prefix
        self._wine_run = os.path.join(source_dir, "scripts", "wine-run")
        self.env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all", DISPLAY=display)
        for name in ("MODULIX_WMI_FIXTURE", "MODULIX_SITE_URL"):
            self.env.pop(name, None)

    def __enter__(self):
        # A run that was killed may have left its server behind: the prefix is ours alone.
        self._server("-k")
        # The first command creates the prefix; a lingering server then spares every later
        # command the server's start-up.
        self.run(["reg", "query", r"HKCU\Software\Wine"])
        self._server("-w")
        self._server("-p%d" % SERVER_LINGER_S)
        return self

    def __exit__(self, *exc):
        self._server("-k")
        self._server("-w")
        return False

    def _server(self, option):
        # Never on our own output: whoever reads it would wait for the server to end.
        subprocess.run([WINESERVER, option], env=self.env, timeout=COMMAND_TIMEOUT_S,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def command(self, args):
        return [self._wine_run, "--prefix", self.prefix] + list(args)

    # Output goes to files, not pipes: Wine's service processes inherit the descriptors and
    # outlive the command, so a pipe would never reach its end.
    def run(self, args, check=True, timeout=COMMAND_TIMEOUT_S):
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.run(self.command(args), env=self.env, timeout=timeout,
                                     stdin=subprocess.DEVNULL, stdout=out, stderr=err)
            out.seek(0)
            err.seek(0)
            result = subprocess.CompletedProcess(process.args, process.returncode,
                                                 out.read().decode(errors="replace"),
                                                 err.read().decode(errors="replace"))
        if check:
            result.check_returncode()
        return result

    def start(self, args, extra_env=None):
        """A program left running; its error output is kept in `process.errors` (a file)."""
        env = dict(self.env, **(extra_env or {}))
        errors = tempfile.TemporaryFile()
        process = subprocess.Popen(self.command(args), env=env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=errors)
        process.errors = errors
        return process

    # Registry, through Wine's own reg.exe so the running server sees every change at once.
    def reg_set(self, key, name, data, kind="REG_SZ"):
        self.run(["reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f"])

    def reg_set_default(self, key, data):
        self.run(["reg", "add", key, "/ve", "/d", data, "/f"])

    def reg_delete_value(self, key, name):
        self.run(["reg", "delete", key, "/v", name, "/f"], check=False)

    def reg_delete_key(self, key):
        self.run(["reg", "delete", key, "/f"], check=False)

    def reg_query(self, key, name):
        """(type, data) of a value, or None when it is missing."""
        return self._reg_value(key, ["/v", name], name)

    def reg_query_default(self, key):
        """(type, data) of the key's default value, or None when it is not set."""
        return self._reg_value(key, ["/ve"], "(Default)")

    def _reg_value(self, key, selector, shown_name):
        result = self.run(["reg", "query", key] + selector, check=False)
        for line in result.stdout.splitlines():
            match = _REG_LINE.match(line)
            if match and match.group(1) == shown_name:
                return match.group(2), match.group(3)
        return None

    # Paths.
    def unix_path(self, windows_path):
        """The Linux path of a path on drive C: of the prefix."""
        assert windows_path[:3].upper() == "C:\\", windows_path
        return os.path.join(self.prefix, "drive_c", *windows_path[3:].split("\\"))

    @staticmethod
    def windows_path(unix_path):
        """Drive Z: is the Linux root in every prefix."""
        return "Z:" + os.path.abspath(unix_path).replace("/", "\\")

    def roaming_folder(self):
        folders = [f for f in glob.glob(os.path.join(self.prefix, "drive_c", "users", "*", "AppData", "Roaming"))
                   if os.sep + "Public" + os.sep not in f]
        assert len(folders) == 1, folders
        return folders[0]


def _unescape(field):
    out, i = [], 0
    while i < len(field):
        if field[i] == "\\" and i + 1 < len(field):
            out.append({"t": "\t", "r": "\r", "n": "\n"}.get(field[i + 1], field[i + 1]))
            i += 2
        else:
            out.append(field[i])
            i += 1
    return "".join(out)


class Driver:
    """Runs tests/e2e/e2e_driver_win32.cpp's program: one Wine start for a batch of commands."""

    def __init__(self, session, driver_exe):
        self._session = session
        self._exe = driver_exe

    def __call__(self, *commands):
        result = self._session.run([self._exe] + [str(c) for c in commands], check=False)
        if result.returncode != 0:
            raise AssertionError("driver %s failed: %s" % (" ".join(map(str, commands)), result.stderr.strip()))
        return [[_unescape(f) for f in line.split("\t")] for line in result.stdout.splitlines() if line]

    def caption(self):
        return self("caption")[0][1]

    def states(self, *ids):
        """{id: (visible, enabled, text)} of the controls."""
        lines = self(*[a for i in ids for a in ("state", i)])
        return {int(l[1]): (l[2] == "1", l[3] == "1", l[4]) for l in lines}

    def list_rows(self, list_id):
        return [(l[3], l[4]) for l in self("list", list_id) if l[0] == "row"]
