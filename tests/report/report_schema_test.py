#!/usr/bin/python3
"""The JSON of every fixture machine, sample dump and udev file in tests/data, and every expected JSON file,
validated against docs/report.schema.json (Debian's python3-jsonschema).

Usage: report_schema_test.py MODULIX_REPORT SCHEMA DATA_FOLDER
"""
import copy
import glob
import json
import os
import subprocess
import sys
import tempfile

import jsonschema


def report_json(report, option, path):
    run = subprocess.run([report, "--json", option, path], capture_output=True, check=False)
    return run.returncode, run.stdout.decode("utf-8"), run.stderr.decode("utf-8", "replace")


def main():
    report, schema_path, data = sys.argv[1:4]
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft7Validator.check_schema(schema)
    validator = jsonschema.Draft7Validator(schema)
    failures = []
    documents = {}

    # WMI fixtures (the report's own machines must read; other fixtures may be broken on purpose)
    fixtures = sorted(p for p in glob.glob(os.path.join(data, "*.json"))
                      if not p.endswith(".expected.json"))
    dumps = sorted(glob.glob(os.path.join(data, "smbios_*.bin")))
    udev = sorted(glob.glob(os.path.join(data, "udev", "*")))
    for option, paths in (("--fixture", fixtures), ("--smbios", dumps), ("--udev", udev)):
        for path in paths:
            name = os.path.basename(path)
            code, out, err = report_json(report, option, path)
            if code == 0:
                documents[name] = json.loads(out)
            elif name.startswith(("report_", "smbios_")) or option == "--udev":
                failures.append(f"{name}: modulix-report exited {code}: {err.strip()}")
    # More memory devices than the reader takes: the report says how many it left out.
    device = bytes([17, 0x15, 0, 0x11, 0, 0x10, 0xFE, 0xFF, 64, 0, 64, 0, 0, 0x20, 9, 0, 0, 0, 0x1A,
                    0x80, 0]) + b"\0\0"
    with tempfile.TemporaryDirectory() as folder:
        many = os.path.join(folder, "many.bin")
        with open(many, "wb") as f:
            f.write(device * 4100)
        code, out, err = report_json(report, "--smbios", many)
        if code != 0 or json.loads(out).get("skipped") != {"memoryDevices": 4, "memoryArrays": 0}:
            failures.append(f"4100 devices: exit {code}, {err.strip()}, skipped not as expected")
        else:
            documents["4100 devices"] = json.loads(out)
    for path in sorted(glob.glob(os.path.join(data, "report_*.expected.json"))):
        with open(path, encoding="utf-8") as f:
            documents[os.path.basename(path)] = json.load(f)

    valid = 0
    for name, document in documents.items():
        errors = list(validator.iter_errors(document))
        valid += not errors
        for error in errors:
            failures.append(f"{name}: {'/'.join(map(str, error.absolute_path))}: {error.message}")

    # The schema must be able to say no: a document without its insights, with an unknown
    # member, or with a channel of no modules is refused.
    sample = documents["report_desktop_ddr5.json"]
    broken = [copy.deepcopy(sample) for _ in range(3)]
    del broken[0]["insights"]
    broken[1]["unexpected"] = 1
    broken[2]["insights"]["channels"]["A"] = []
    for i, document in enumerate(broken):
        if validator.is_valid(document):
            failures.append(f"the schema accepts broken document {i}")

    for failure in failures:
        print(failure)
    print(f"{valid} of {len(documents)} documents valid against {os.path.basename(schema_path)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
