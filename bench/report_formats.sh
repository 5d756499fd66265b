#!/usr/bin/env bash
# Times `modulix-report --prometheus` against `--json` with hyperfine, on the 12-module server dump
# and the 64-module fixture of tests/data and on a generated dump of 4,096 modules (the most the
# SMBIOS reader takes), each with its slot, bank, maker, serial and part number.
# Usage: bench/report_formats.sh [MODULIX_REPORT]
# Default: the bench preset's Release build (cmake --preset bench && cmake --build build/bench
# --target modulix-report).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
report=${1:-$root/build/bench/src/cli/modulix-report}
runs=${RUNS:-200}
[ -x "$report" ] || { echo "report_formats: $report is missing; build the bench preset" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$report" "$work/modulix-report"  # copied: see report_vs_dmidecode.sh
report=$work/modulix-report
large=$work/smbios_4096.bin
python3 - "$large" <<'PY'
import struct, sys
array = struct.pack("<BBHBBBIHHQ", 16, 0x17, 0x1000, 3, 3, 3, 0x80000000, 0xFFFE, 4096, 64 << 40) + b"\0\0"
devices = []
for i in range(4096):
    # type 17, SMBIOS 2.6 layout: 16 GiB DDR4 RDIMM at 3200 MT/s, five strings
    fields = struct.pack("<BBHHHHHHBBBBBHHBBBBB", 17, 0x1C, 0x1100 + i, 0x1000, 0xFFFE, 72, 64, 16384,
                         9, 0, 1, 2, 0x1A, 0x2080, 3200, 3, 4, 0, 5, 0)
    strings = f"CPU{i // 64}_DIMM_{i % 64}\0NODE {i // 64} BANK {i % 64}\0Samsung\0{i:08X}\0M393A2K43DB3-CWE\0\0"
    devices.append(fields + strings.encode())
open(sys.argv[1], "wb").write(array + b"".join(devices))
PY
for input in "--smbios $root/tests/data/smbios_server_ddr5.bin" "--fixture $root/tests/data/wmi_64mod.json" \
             "--smbios $large"; do
  $report --json $input >/dev/null
  hyperfine --style none --shell=none --warmup 20 --runs "$runs" --export-json "$work/times.json" \
    -n json "$report --json $input" -n prometheus "$report --prometheus $input"
  python3 - "$work/times.json" "${input##*/}" <<'PY'
import json, sys
times = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
ms = {name: r["median"] * 1000 for name, r in times.items()}
user = {name: r["user"] * 1000 for name, r in times.items()}
print(f"{sys.argv[2]}: median --json {ms['json']:.2f} ms, --prometheus {ms['prometheus']:.2f} ms "
      f"(ratio {ms['prometheus'] / ms['json']:.2f}); mean user time {user['json']:.2f} / {user['prometheus']:.2f} ms")
PY
done
