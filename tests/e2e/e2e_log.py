"""The run log file as the user's editor sees it: entries newest first, each "level TAB
[yy-mm-dd hh:mm:ss] TAB message" ended by CR LF."""
import datetime
import re

_ENTRY = re.compile(r"(Info|Error|Verbose)\t\[(\d\d)-(\d\d)-(\d\d) (\d\d):(\d\d):(\d\d)\]\t(.*)", re.S)
ANSI = "cp1252"


class LogFormatError(AssertionError):
    pass


def parse_run_log(data):
    """[(level, time stamp, message)], newest first. Raises LogFormatError for anything that is
    not such a file: a byte-order mark, a missing final CR LF, a bare CR or LF, a bad line."""
    if data.startswith(b"\xef\xbb\xbf"):
        raise LogFormatError("the log starts with a byte-order mark")
    if not data.endswith(b"\r\n"):
        raise LogFormatError("the log does not end with CR LF: %r" % data[-20:])
    entries = []
    for line in data[:-2].split(b"\r\n"):
        if b"\r" in line or b"\n" in line:
            raise LogFormatError("bare CR or LF in line %r" % line)
        match = _ENTRY.fullmatch(line.decode(ANSI))
        if not match:
            raise LogFormatError("not a log entry: %r" % line)
        yy, mo, dd, hh, mi, ss = (int(g) for g in match.groups()[1:7])
        entries.append((match.group(1), datetime.datetime(2000 + yy, mo, dd, hh, mi, ss), match.group(8)))
    return entries


def matches(expected, level, message):
    """`expected` is (level, text) or (level, compiled pattern that must match the whole message)."""
    want_level, want = expected
    if want_level != level:
        return False
    return bool(want.fullmatch(message)) if hasattr(want, "fullmatch") else want == message


def describe(expected):
    level, want = expected
    return "%s\t%s" % (level, want.pattern if hasattr(want, "pattern") else want)
