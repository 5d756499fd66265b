#include "report/report_terminal.h"

#include "report/report_text.h"

std::string TerminalText(std::string_view bytes) { return Printable(bytes); }
