"""The fixture machine tests/data/e2e_machine.json: an array of four slots with two modules, and
what the program must show and log for it. The model of module 0 keeps its trailing blanks."""
import os

FIXTURE = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "e2e_machine.json")

PANELS = [
    [("Slot Name", "DIMM_A1"), ("Capacity", "8 GB"), ("Manufacturer", "Hynix (Hyundai)"),
     ("Model", "HMT351U6CFR8C-H9  "), ("Type", "DDR3 / PC3-10664"), ("Serial#", "4D2A1F09")],
    [("Slot Name", "DIMM_B1"), ("Capacity", "2 GB"), ("Manufacturer", "Freescale (Motorola)"),
     ("Model", "FSL-DDR3-2G"), ("Type", "DDR3 / PC3-12800"), ("Serial#", "E2E00017")],
]
# Raw Manufacturer, MemoryType and Speed of each module, as logged.
RAW = [("Hynix Semiconductor", "24", "1333"), ("800E000000000000", "24", "1600")]
SEARCH_KEYWORDS = ["Hynix%20%28Hyundai%29%20HMT351U6CFR8C-H9%20%20",
                   "Freescale%20%28Motorola%29%20FSL-DDR3-2G"]


def scan_lines():
    """The slot scan's log entries, oldest first."""
    lines = []
    for i, (rows, (maker, type_code, speed)) in enumerate(zip(PANELS, RAW)):
        shown = dict(rows)
        lines.append("Scanning slot #%d" % i)
        lines += ["%d\t%s" % (i, text) for text in (
            "Slot Name\t" + shown["Slot Name"], "Capacity\t" + shown["Capacity"],
            "Manufacturer\t%s(%s)" % (shown["Manufacturer"], maker), "Model\t" + shown["Model"],
            "Type\t" + type_code, "Speed\t" + speed, "Type\t" + shown["Type"], "Serial#\t" + shown["Serial#"])]
    return [("Info", line) for line in lines]


SCAN = scan_lines()
LAST_SCAN_LINE = SCAN[-1][1].encode()
