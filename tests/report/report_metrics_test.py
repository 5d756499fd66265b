#!/usr/bin/python3
"""--prometheus for every fixture machine, sample dump and udev file in tests/data, a machine whose
serial number and slot names try to break the format, and an inventory that cannot be read:
`promtool check metrics` finds nothing, and the metrics (read with Debian's
python3-prometheus-client) say what the JSON report of the same input says.

Usage: report_metrics_test.py MODULIX_REPORT DATA_FOLDER
"""
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from prometheus_client.parser import text_string_to_metric_families

MODULE_INFO = (("maker", "maker"), ("part_number", "partNumber"), ("serial_number", "serialNumber"),
               ("type", "generation"), ("standard_name", "standardName"), ("buffering", "buffering"),
               ("form_factor", "formFactor"))
MACHINE_INFO = (("manufacturer", "manufacturer"), ("product", "product"), ("bios_version", "biosVersion"))


def run(report, *args):
    done = subprocess.run([report, *args], capture_output=True, check=False)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8", "replace")


def shown(text):
    """A label value as the metrics carry it: control characters other than newline as '?'."""
    return re.sub("[\x00-\x09\x0b-\x1f\x7f-\x9f]", "?", text)


def labels_of(pairs):
    return {name: shown(value) for name, value in pairs if value not in (None, "")}


def slot_labels(modules):
    """The slot and bank of each module, no pair twice: '#N' or '<locator> #N' (N from 1)."""
    used, labels = set(), []
    for n, module in enumerate(modules, 1):
        slot, bank = module["raw"]["DeviceLocator"] or "", module["raw"]["BankLabel"] or ""
        slot = slot or f"#{n}"
        while (slot, bank) in used:
            slot += f" #{n}"
        used.add((slot, bank))
        labels.append(labels_of((("slot", slot), ("bank", bank))))
    return labels


def parse(text, problems):
    """{family: [(labels, value)]}; a family without samples or a series written twice is a problem."""
    families, seen = {}, set()
    for family in text_string_to_metric_families(text):
        if not family.samples:
            problems.append(f"family {family.name} has no samples")
        for sample in family.samples:
            key = (sample.name, tuple(sorted(sample.labels.items())))
            if key in seen:
                problems.append(f"series written twice: {key}")
            seen.add(key)
            families.setdefault(sample.name, []).append((sample.labels, sample.value))
    return families


def expected_metrics(doc):
    """What the metrics must hold for a JSON report: {family: [(labels, value)]}, unknown left out."""
    upgrade, insights, speed = doc["upgrade"], doc["insights"], doc["insights"]["speed"]
    scalars = {
        "modulix_report_success": 1,
        "modulix_machine_virtual": int(upgrade["virtual"]),
        "modulix_memory_slots": doc["slots"],
        "modulix_memory_maximum_bytes": upgrade["maximumBytes"],
        "modulix_memory_installed_bytes": doc["installedBytes"],
        "modulix_memory_modules": len(doc["modules"]),
        "modulix_memory_free_slots": upgrade["freeSlots"],
        "modulix_memory_addable_bytes": upgrade["addableBytes"],
        "modulix_memory_modules_differ": int(bool(insights["differ"])),
        "modulix_memory_ecc": None if insights["ecc"] is None else int(insights["ecc"]),
        "modulix_memory_channels_in_use": None if insights["channels"] is None else len(insights["channels"]),
    }
    if speed["ratedMTs"] is not None and speed["configuredMTs"] is not None:
        scalars["modulix_memory_below_rated_speed"] = int(speed["belowRated"])
    if speed["kitRatedMTs"] is not None and speed["configuredMTs"] is not None:
        scalars["modulix_memory_below_kit_rated_speed"] = int(speed["belowKitRated"])
    want = {name: [({}, value)] for name, value in scalars.items() if value is not None}
    want["modulix_report_info"] = [({"source": doc["source"]}, 1)]
    want["modulix_machine_info"] = [(labels_of((label, doc["system"][key]) for label, key in MACHINE_INFO), 1)]
    per_module = {"modulix_module_size_bytes": "sizeBytes",
                  "modulix_module_rated_megatransfers_per_second": "ratedMTs",
                  "modulix_module_configured_megatransfers_per_second": "configuredMTs"}
    for slot, module in zip(slot_labels(doc["modules"]), doc["modules"]):
        facts = module["facts"]
        for name, key in per_module.items():
            if facts[key] is not None:
                want.setdefault(name, []).append((slot, facts[key]))
        info = dict(slot, **labels_of((label, facts[key]) for label, key in MODULE_INFO))
        want.setdefault("modulix_module_info", []).append((info, 1))
    return want


def check(report, promtool, name, args, problems):
    """Runs one input both ways; returns the parsed metrics."""
    json_code, json_out, _ = run(report, "--json", *args)
    before = int(time.time())
    code, out, err = run(report, "--prometheus", *args)
    after = int(time.time())
    lint = subprocess.run([promtool, "check", "metrics"], input=out.encode("utf-8"), capture_output=True,
                          check=False)
    if lint.returncode != 0 or lint.stdout or lint.stderr:
        problems.append(f"{name}: promtool exited {lint.returncode}: {(lint.stdout + lint.stderr).decode()}")
    if code != json_code:
        problems.append(f"{name}: --prometheus exited {code}, --json {json_code}")
    found = parse(out, problems)
    stamp = found.pop("modulix_report_timestamp_seconds", [({}, None)])
    if stamp != [({}, stamp[0][1])] or not before <= (stamp[0][1] or 0) <= after:
        problems.append(f"{name}: report time {stamp}, run between {before} and {after}")
    if code != 0:
        want = {"modulix_report_success": [({}, 0)]}
        if not err.strip():
            problems.append(f"{name}: no reason on standard error")
    else:
        doc = json.loads(json_out)
        want = expected_metrics(doc)
        # The JSON does not list empty channels: present only where the channels and the empty
        # slots are known, and no more of them than empty slots.
        empty = found.pop("modulix_memory_empty_channels", None)
        if empty and (doc["insights"]["channels"] is None or doc["emptySlots"] is None
                      or empty[0][0] or not 0 <= empty[0][1] <= len(doc["emptySlots"])):
            problems.append(f"{name}: empty channels {empty}, JSON empty slots {doc['emptySlots']}")
    for family in sorted(set(want) | set(found)):
        if found.get(family) != want.get(family):
            problems.append(f"{name}: {family}: metrics {found.get(family)}, JSON says {want.get(family)}")
    return found


def hostile_fixture(data, folder):
    """Two modules in one slot and bank, the first's serial number holding a quote, a backslash, a
    newline and an escape sequence."""
    with open(os.path.join(data, "wmi_2dev_4mod.json"), encoding="utf-8") as f:
        machine = json.load(f)
    modules = machine["Win32_PhysicalMemory"][:2]
    for module in modules:
        module["DeviceLocator"], module["BankLabel"] = "DIMM 1", "BANK 0"
    modules[0]["SerialNumber"] = 'A"B\\C\nD\x1b[2J'
    machine["Win32_PhysicalMemory"] = modules
    path = os.path.join(folder, "hostile.json")
    with open(path, "w", encoding="utf-8") as f:
        json.dump(machine, f)
    return path


def main():
    report, data = sys.argv[1:3]
    promtool = shutil.which("promtool")
    if not promtool:
        print("promtool is missing: run scripts/bootstrap")
        return 1
    inputs = [(p, "--fixture") for p in sorted(glob.glob(os.path.join(data, "*.json")))
              if not p.endswith(".expected.json")]
    inputs += [(p, "--smbios") for p in sorted(glob.glob(os.path.join(data, "smbios_*.bin")))]
    inputs += [(p, "--udev") for p in sorted(glob.glob(os.path.join(data, "udev", "*")))]
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        inputs.append((os.path.join(folder, "missing.json"), "--fixture"))  # unreadable inventory
        inputs.append((hostile_fixture(data, folder), "--fixture"))
        for path, option in inputs:
            found = check(report, promtool, os.path.basename(path), [option, path], problems)
        info = [labels for labels, _ in found.get("modulix_module_info", [])]
        if [i.get("slot") for i in info] != ["DIMM 1", "DIMM 1 #2"] or \
                info[0].get("serial_number") != 'A"B\\C\nD?[2J':
            problems.append(f"hostile.json: module info {info}")
    for problem in problems:
        print(problem)
    print(f"{len(inputs)} inputs, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
