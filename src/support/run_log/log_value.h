#pragma once
// Values that come from outside the program (firmware texts, arguments) are written into the
// run log through this, so a CR LF, a TAB or an escape sequence inside one cannot start a line
// or a column of its own, nor reach a terminal that shows the file.
#include <string>
#include <string_view>

// Each byte below 0x20 and DEL becomes "\xHH" (two upper-case hex digits); other bytes stay.
std::string EscapeLogValue(std::string_view value);
