#include "report/format/report_terminal.h"

#include "report/format/report_text.h"

std::string TerminalText(std::string_view bytes) { return Printable(ToUtf8(bytes)); }
