#pragma once
// Date-times as the program holds them: days since 30 December 1899 as a 64-bit real, the
// fraction being the time of day; 0 stands for no date.
#include <string>

using TDateTime = double;

// Raises ConversionError for a date or time out of range (year 1 to 9999, a real calendar day,
// hour below 24, minute and second below 60).
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second);

// "yyyy-mm-dd hh:mm:ss", the text form of a date value.
std::string FormatDateTime(TDateTime value);
