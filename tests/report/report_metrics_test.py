#!/usr/bin/python3
"""--prometheus on every fixture, dump and udev file in tests/data, a hostile machine and an unreadable
inventory: promtool finds nothing; the metrics (Debian's python3-prometheus-client reads them) are the JSON's.
Usage: report_metrics_test.py MODULIX_REPORT DATA_FOLDER
"""
import glob, json, os, re, subprocess, sys, tempfile, time

from prometheus_client.parser import text_string_to_metric_families

MODULE_INFO = {"maker": "maker", "part_number": "partNumber", "serial_number": "serialNumber",
               "type": "generation", "standard_name": "standardName", "buffering": "buffering",
               "form_factor": "formFactor"}
MACHINE_INFO = {"manufacturer": "manufacturer", "product": "product", "bios_version": "biosVersion"}
PER_MODULE = {"modulix_module_size_bytes": "sizeBytes", "modulix_module_rated_megatransfers_per_second":
              "ratedMTs", "modulix_module_configured_megatransfers_per_second": "configuredMTs"}


def run(report, *args):
    done = subprocess.run([report, *args], capture_output=True, check=False)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8", "replace")


def labels_of(names, facts):
    """Known, non-empty facts as labels; control characters but newline are shown as '?'."""
    return {label: re.sub("[\x00-\x09\x0b-\x1f\x7f-\x9f]", "?", facts[key])
            for label, key in names.items() if facts[key] not in (None, "")}


def slot_labels(modules):
    """The slot and bank of each module, no pair twice: '#N' or '<locator> #N' (N from 1)."""
    used, labels = set(), []
    for n, module in enumerate(modules, 1):
        slot, bank = module["raw"]["DeviceLocator"] or f"#{n}", module["raw"]["BankLabel"] or ""
        while (slot, bank) in used:
            slot += f" #{n}"
        used.add((slot, bank))
        labels.append(labels_of({"slot": "s", "bank": "b"}, {"s": slot, "b": bank}))
    return labels


def parse(text, problems):
    """{family: [(labels, value)]}; a series written twice is a problem."""
    families, seen = {}, set()
    for family in text_string_to_metric_families(text):
        for s in family.samples:
            key = (s.name, tuple(sorted(s.labels.items())))
            problems += [f"series written twice: {key}"] if key in seen else []
            seen.add(key)
            families.setdefault(s.name, []).append((s.labels, s.value))
    return families


def expected_metrics(doc):
    """{family: [(labels, value)]} for a JSON report, unknown values left out."""
    upgrade, insights, speed = doc["upgrade"], doc["insights"], doc["insights"]["speed"]
    flag = lambda v: None if v is None else int(v)
    scalars = {
        "modulix_report_success": 1, "modulix_machine_virtual": int(upgrade["virtual"]),
        "modulix_memory_slots": doc["slots"], "modulix_memory_maximum_bytes": upgrade["maximumBytes"],
        "modulix_memory_installed_bytes": doc["installedBytes"], "modulix_memory_modules": len(doc["modules"]),
        "modulix_memory_free_slots": upgrade["freeSlots"], "modulix_memory_addable_bytes": upgrade["addableBytes"],
        "modulix_memory_modules_differ": int(bool(insights["differ"])), "modulix_memory_ecc": flag(insights["ecc"]),
        "modulix_memory_channels_in_use": None if insights["channels"] is None else len(insights["channels"]),
        "modulix_memory_below_rated_speed":
            flag(speed["belowRated"]) if None not in (speed["ratedMTs"], speed["configuredMTs"]) else None,
        "modulix_memory_below_kit_rated_speed":
            flag(speed["belowKitRated"]) if None not in (speed["kitRatedMTs"], speed["configuredMTs"]) else None,
    }
    want = {name: [({}, value)] for name, value in scalars.items() if value is not None}
    want["modulix_report_info"] = [({"source": doc["source"]}, 1)]
    want["modulix_machine_info"] = [(labels_of(MACHINE_INFO, doc["system"]), 1)]
    for slot, module in zip(slot_labels(doc["modules"]), doc["modules"]):
        for name, key in PER_MODULE.items():
            if module["facts"][key] is not None:
                want.setdefault(name, []).append((slot, module["facts"][key]))
        want.setdefault("modulix_module_info", []).append((dict(slot, **labels_of(MODULE_INFO, module["facts"])), 1))
    return want


def check(report, name, args, problems):
    """Runs one input both ways and compares."""
    json_code, json_out, _ = run(report, "--json", *args)
    before = int(time.time())
    code, out, err = run(report, "--prometheus", *args)
    lint = subprocess.run(["promtool", "check", "metrics"], input=out.encode(), capture_output=True, check=False)
    if lint.returncode != 0 or lint.stdout or lint.stderr or code != json_code:
        problems.append(f"{name}: exit {code} (JSON {json_code}), promtool {lint.returncode}: "
                        f"{(lint.stdout + lint.stderr).decode()}")
    found = parse(out, problems)
    stamp = found.pop("modulix_report_timestamp_seconds", [({}, 0)])
    if len(stamp) != 1 or stamp[0][0] or not before <= stamp[0][1] <= time.time() or not (code == 0 or err):
        problems.append(f"{name}: report time {stamp}, standard error {err!r}")
    want = {"modulix_report_success": [({}, 0)]}
    if code == 0:
        doc = json.loads(json_out)
        want = expected_metrics(doc)
        # Not in the JSON: only where channels and empty slots are known, at most one per empty slot.
        empty = found.pop("modulix_memory_empty_channels", None)
        if empty and (doc["insights"]["channels"] is None or doc["emptySlots"] is None or empty[0][0]
                      or not 0 <= empty[0][1] <= len(doc["emptySlots"])):
            problems.append(f"{name}: empty channels {empty}, empty slots {doc['emptySlots']}")
    for family in sorted(set(want) | set(found)):
        if found.get(family) != want.get(family):
            problems.append(f"{name}: {family}: metrics {found.get(family)}, JSON {want.get(family)}")


def hostile_fixture(data, folder):
    """Two modules in one slot and bank, a serial number with a quote, backslash, newline and ESC."""
    with open(os.path.join(data, "wmi_2dev_4mod.json"), encoding="utf-8") as f:
        machine = json.load(f)
    modules = machine["Win32_PhysicalMemory"] = machine["Win32_PhysicalMemory"][:2]
    for module in modules:
        module["DeviceLocator"], module["BankLabel"] = "DIMM 1", "BANK 0"
    modules[0]["SerialNumber"] = 'A"B\\C\nD\x1b[2J'
    path = os.path.join(folder, "hostile.json")
    with open(path, "w", encoding="utf-8") as f:
        json.dump(machine, f)
    return path


def main():
    report, data = sys.argv[1:3]
    inputs = [(p, "--fixture") for p in sorted(glob.glob(os.path.join(data, "*.json")))
              if not p.endswith(".expected.json")]
    inputs += [(p, "--smbios") for p in sorted(glob.glob(os.path.join(data, "smbios_*.bin")))]
    inputs += [(p, "--udev") for p in sorted(glob.glob(os.path.join(data, "udev", "*")))]
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        inputs += [(os.path.join(folder, "missing.json"), "--fixture"), (hostile_fixture(data, folder), "--fixture")]
        for path, option in inputs:
            check(report, os.path.basename(path), [option, path], problems)
    print("\n".join(problems + [f"{len(inputs)} inputs, {len(problems)} problems"]))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
