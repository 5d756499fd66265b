#include "inventory/wmi/date_time.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "inventory/wmi/property_value.h"

namespace {

constexpr int64_t kSecondsPerDay = 86400;
// Days from 1 March of year 0 (proleptic Gregorian) to 30 December 1899.
constexpr int64_t kEpochShift = 693899;

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Day count of a civil date, after H. Hinnant's days_from_civil, shifted to our epoch.
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - kEpochShift;
}

struct Civil { int64_t year; int month, day; };

Civil CivilFromDays(int64_t days) {
  const int64_t z = days + kEpochShift;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (month <= 2), month, day};
}

}  // namespace

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    throw ConversionError("Invalid argument to date encode");
  }
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    throw ConversionError("Invalid argument to time encode");
  }
  const double time = static_cast<double>(hour * 3600 + minute * 60 + second) / kSecondsPerDay;
  return static_cast<double>(DaysFromCivil(year, month, day)) + time;
}

std::string FormatDateTime(TDateTime value) {
  if (!std::isfinite(value) || std::fabs(value) > 1e7) return "Invalid date";
  double whole = std::trunc(value);
  int64_t seconds = std::llround(std::fabs(value - whole) * kSecondsPerDay);
  if (seconds == kSecondsPerDay) {  // rounding carried into the next day
    seconds = 0;
    whole += value < 0 ? -1 : 1;
  }
  const Civil date = CivilFromDays(static_cast<int64_t>(whole));
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04lld-%02d-%02d %02d:%02d:%02d",
                static_cast<long long>(date.year), date.month, date.day,
                static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                static_cast<int>(seconds % 60));
  return buf;
}
