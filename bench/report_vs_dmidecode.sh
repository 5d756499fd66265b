#!/usr/bin/env bash
# Times `modulix-report --smbios FILE --json` against `dmidecode --from-dump FILE -t memory`
# on the same dump, in one hyperfine run, and prints both medians and their ratio against the goal.
# Beside them, in the same run, report_floor (built with the bench preset): a program linked as
# modulix-report is that only writes a report-sized text, so the lowest ratio any report on this
# runtime and machine can reach is printed too.
# Usage: bench/report_vs_dmidecode.sh [DUMP] [MODULIX_REPORT]
# Defaults: the 16-slot server dump of tests/data and the bench preset's Release build
# (cmake --preset bench && cmake --build build/bench --target modulix-report).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dump=${1:-$root/tests/data/smbios_server_ddr5.bin}
report=${2:-$root/build/bench/src/cli/modulix-report}
dmidecode=$(command -v dmidecode || echo /usr/sbin/dmidecode)
floor=$root/build/bench/bench/floor/report_floor
runs=${RUNS:-500}

[ -x "$report" ] || { echo "report_vs_dmidecode: $report is missing; build the bench preset" >&2; exit 1; }
[ -x "$dmidecode" ] || { echo "report_vs_dmidecode: dmidecode is missing (scripts/bootstrap)" >&2; exit 1; }

# The programs run from copies. A program the linker has just written sits in the page cache in
# small pieces (it writes a few kilobytes at a time), and starting it costs tens of microseconds
# more than starting the same bytes copied in large blocks, as an installed program is. Copying
# all three gives each the same start, whatever wrote it.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
results=$work/results.json
cp "$report" "$work/modulix-report"
cp "$dmidecode" "$work/dmidecode"
report=$work/modulix-report
dmidecode=$work/dmidecode
floor_run=()
if [ -x "$floor" ]; then
  cp "$floor" "$work/report_floor"
  floor_run=(-n report_floor "$work/report_floor")
fi
# Both must read the dump before their times mean anything.
"$report" --smbios "$dump" --json >/dev/null
"$dmidecode" --from-dump "$dump" -t memory >/dev/null

hyperfine --style basic --shell=none --warmup 50 --runs "$runs" --export-json "$results" \
  -n modulix-report "$report --smbios $dump --json" \
  -n dmidecode "$dmidecode --from-dump $dump -t memory" \
  "${floor_run[@]}" >&2

python3 - "$results" "$dump" <<'PY'
import json, sys
GOAL = 0.60
data = json.load(open(sys.argv[1]))["results"]
medians = {r["command"]: r["median"] * 1000 for r in data}
print(f"dump: {sys.argv[2]}")
for name, ms in medians.items():
    print(f"{name} median: {ms:.3f} ms")
ratio = medians["modulix-report"] / medians["dmidecode"]
print(f"modulix-report / dmidecode: {ratio:.2f} (goal: at most {GOAL:.2f})")
if "report_floor" in medians:
    floor = medians["report_floor"]
    print(f"report_floor / dmidecode: {floor / medians['dmidecode']:.2f} "
          f"(start-up and exit alone; modulix-report takes {medians['modulix-report'] - floor:.3f} ms more)")
PY
