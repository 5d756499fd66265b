#!/usr/bin/env python3
"""The Windows artifacts as a user meets them, under Wine in a prefix of their own:
  msi - a silent per-machine install starts Modulix from Program Files, puts modulix-report on the
        PATH of a new command prompt, is replaced by each higher version (also one that differs
        in the fourth field only), and leaves nothing of ours behind when removed;
  zip - Modulix.exe unpacked into a folder with spaces and accented letters starts and knows
        where it is.

Usage: install_test.py msi|zip SOURCE_DIR WORK_DIR Modulix.exe modulix-report.exe
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
from e2e_display import PrivateDisplay  # noqa: E402
from e2e_machine import FIXTURE  # noqa: E402
from e2e_wine import WineSession  # noqa: E402

WINDOW_TIMEOUT_S = 60
INSTALL_DIR = r"C:\Program Files\Modulix"
ENVIRONMENT_KEY = r"HKLM\System\CurrentControlSet\Control\Session Manager\Environment"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
UPGRADES = ["1.0.0.0", "1.0.1.0", "1.0.1.1"]  # the last differs from the one before in field 4 only
ZIP_FOLDER = r"C:\Mödulix Tëst Ordner"
FAILURES = []


def expect(condition, message):
    if not condition:
        FAILURES.append(message)
    return condition


def stage_files(source_dir, stage, modulix, report):
    os.makedirs(stage)
    shutil.copy(modulix, os.path.join(stage, "Modulix.exe"))
    shutil.copy(report, os.path.join(stage, "modulix-report.exe"))
    for name, source in (("LICENSE.txt", "LICENSE"),
                         ("THIRD-PARTY-NOTICES.txt", "THIRD-PARTY-NOTICES.txt"),
                         ("README.txt", os.path.join("packaging", "README.txt"))):
        shutil.copy(os.path.join(source_dir, source), os.path.join(stage, name))


def window_comes_up(wine, display, exe):
    """Starts the program as a user would and waits for its main window; then ends it."""
    process = wine.start([exe], {"MODULIX_WMI_FIXTURE": WineSession.windows_path(FIXTURE),
                                 "MODULIX_SITE_URL": "http://127.0.0.1:9"})
    deadline = time.monotonic() + WINDOW_TIMEOUT_S
    found = False
    while not found and time.monotonic() < deadline and process.poll() is None:
        search = subprocess.run(["xdotool", "search", "--name", "^Modulix"], capture_output=True,
                                env=dict(os.environ, DISPLAY=display.name))
        found = search.returncode == 0
        time.sleep(0.5)
    process.kill()
    process.wait()
    end_programs(wine)
    return found


def end_programs(wine):
    """Ends the prefix's server: what runs next starts afresh, with the environment and registry
    the last program left (the prefix is this test's own)."""
    subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=wine.env)
    subprocess.run(["/usr/lib/wine/wineserver", "-w"], env=wine.env)


def installed_versions(wine):
    listing = wine.run(["reg", "query", UNINSTALL_KEY, "/s"], check=False).stdout
    versions, name = [], None
    for line in listing.splitlines():
        fields = line.split(None, 2)
        if len(fields) == 3 and fields[0] == "DisplayName":
            name = fields[2]
        if len(fields) == 3 and fields[0] == "DisplayVersion" and name == "Modulix":
            versions.append(fields[2])
    return versions


def start_menu_shortcuts(prefix):
    # Windows puts a per-machine shortcut into the common Start menu; Wine 8 into the user's.
    pattern = os.path.join(prefix, "drive_c", "**", "Start Menu", "Programs", "Modulix.lnk")
    return glob.glob(pattern, recursive=True)


def ours(prefix):
    """Files and registry keys of the machine that name Modulix: what the installer leaves.
    The program's own traces of its run (its data folder, its registry value) are not."""
    files = [path for path in glob.glob(os.path.join(prefix, "drive_c", "**", "*"), recursive=True)
             if "modulix" in os.path.basename(path).lower()
             and os.sep + "Tervane" + os.sep not in path]
    with open(os.path.join(prefix, "system.reg"), encoding="utf-8", errors="replace") as registry:
        keys = [line for line in registry if "modulix" in line.lower()]
    return files + keys


def msi_case(source_dir, work, wine, display, stage):
    env = dict(os.environ, SOURCE_DATE_EPOCH="1796728934")
    packages = []
    for version in UPGRADES:
        package = os.path.join(work, f"Modulix-{version}.msi")
        subprocess.run([os.path.join(source_dir, "packaging", "msi"), version, stage, package],
                       env=env, check=True, capture_output=True)
        packages.append(package)

    path_before = wine.reg_query(ENVIRONMENT_KEY, "PATH")
    for version, package in zip(UPGRADES, packages):
        install = wine.run(["msiexec", "/i", WineSession.windows_path(package), "/qn"],
                           check=False, timeout=180)
        expect(install.returncode == 0, f"msiexec /i {version} failed: {install.returncode}")
        expect(installed_versions(wine) == [version],
               f"after installing {version} the installed versions are {installed_versions(wine)}")

    exe = INSTALL_DIR + r"\Modulix.exe"
    expect(os.path.exists(wine.unix_path(exe)), "Modulix.exe is not in Program Files")
    expect(start_menu_shortcuts(wine.prefix), "no Start menu shortcut")
    path = wine.reg_query(ENVIRONMENT_KEY, "PATH")
    expect(path and INSTALL_DIR.lower() in path[1].lower(), f"system PATH lacks the folder: {path}")
    end_programs(wine)
    prompt = wine.run(["cmd", "/c", "modulix-report.exe", "--help"], check=False)
    expect("Usage: modulix-report" in prompt.stdout, "modulix-report is not on the PATH of a new "
           f"command prompt ({prompt.returncode}): {prompt.stdout}{prompt.stderr}")
    expect(window_comes_up(wine, display, exe), "the installed Modulix.exe showed no window")

    remove = wine.run(["msiexec", "/x", WineSession.windows_path(packages[-1]), "/qn"],
                      check=False, timeout=180)
    expect(remove.returncode == 0, f"msiexec /x failed: {remove.returncode}")
    end_programs(wine)  # and the registry saved to system.reg
    expect(installed_versions(wine) == [], "Modulix is still registered after msiexec /x")
    path = wine.reg_query(ENVIRONMENT_KEY, "PATH")
    expect(path == path_before, f"PATH is not as before the install: {path} instead of {path_before}")
    expect(ours(wine.prefix) == [], f"left behind: {ours(wine.prefix)}")


def saved_value(prefix, hive, key, name):
    """A registry value as Wine saved it: reg.exe's output would pass it through the console's
    code page, which cannot show every letter."""
    with open(os.path.join(prefix, hive), encoding="utf-8") as saved:
        text = saved.read()
    section = re.search(r"^\[%s\] .*?(?=^\[)" % re.escape(key.replace("\\", "\\\\")), text, re.M | re.S)
    line = section and re.search(r'^"%s"="(.*)"$' % re.escape(name), section.group(0), re.M)
    if not line:
        return None
    return re.sub(r"\\x([0-9a-fA-F]{1,4})|\\(.)",
                  lambda m: chr(int(m.group(1), 16)) if m.group(1) else m.group(2), line.group(1))


def zip_case(source_dir, work, wine, display, stage):
    archive = os.path.join(work, "Modulix.zip")
    members = [f"{name}={os.path.join(stage, name)}" for name in sorted(os.listdir(stage))]
    subprocess.run([os.path.join(source_dir, "packaging", "archive.py"), "zip", archive, *members],
                   env=dict(os.environ, SOURCE_DATE_EPOCH="1796728934"), check=True)
    folder = wine.unix_path(ZIP_FOLDER)
    shutil.rmtree(folder, ignore_errors=True)
    shutil.unpack_archive(archive, folder)
    exe = ZIP_FOLDER + r"\Modulix.exe"
    expect(window_comes_up(wine, display, exe), "Modulix.exe from the zip showed no window")
    # The program records its own path at start: it found itself under the unusual name.
    recorded = saved_value(wine.prefix, "user.reg", r"Software\Tervane", "Modulix")
    expect(recorded == exe, f"the program recorded its path as {recorded!r}")


def main(case, source_dir, work, modulix, report):
    work = os.path.join(work, case)
    shutil.rmtree(work, ignore_errors=True)
    stage = os.path.join(work, "stage")
    stage_files(source_dir, stage, modulix, report)
    with PrivateDisplay() as display:
        wine = WineSession(source_dir, os.path.join(work, "prefix"), display.name)
        # Wine would turn the Start menu shortcut into a desktop entry in the real home folder.
        wine.env["HOME"] = os.path.join(work, "home")
        with wine:
            (msi_case if case == "msi" else zip_case)(source_dir, work, wine, display, stage)
    print("\n".join(FAILURES) or f"{case}: all checks passed")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    if len(sys.argv) != 6 or sys.argv[1] not in ("msi", "zip"):
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
