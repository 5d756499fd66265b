#include "report/format/report_terminal.h"

#include "report/format/report_text.h"

// The report reads WMI as UTF-8 and writes UTF-16 to a console, so Windows takes the same
// text as Linux: firmware bytes that are not UTF-8 are taken as Latin-1.
std::string TerminalText(std::string_view bytes) { return Printable(ToUtf8(bytes)); }
