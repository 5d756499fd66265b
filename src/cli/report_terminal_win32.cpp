#include "cli/report_terminal.h"

#include "cli/report_text.h"

std::string TerminalText(std::string_view bytes) { return Printable(bytes); }
