#include "support/run_log/run_log.h"

#include <algorithm>
#include <exception>
#include <string_view>
#include <utility>

#include "support/run_log/run_log_os.h"
#include "support/files/shell_open.h"

namespace {
constexpr int32_t kVerboseLevel = 0;
constexpr int32_t kErrorLevel = 2;
constexpr std::string_view kLevelNames[] = {"Verbose", "Info", "Error"};
constexpr std::string_view kLineEnd = "\r\n";

void AppendTwoDigits(std::string& out, int value) {
  const int last = (value % 100 + 100) % 100;  // the year's last two digits
  out += static_cast<char>('0' + last / 10);
  out += static_cast<char>('0' + last % 10);
}

// "[yy-mm-dd hh:mm:ss]", built by appending (chains of + trip a false GCC 12 -Wrestrict warning).
std::string FormatTimeStamp(const RunLogTime& t, const std::string& separator) {
  std::string stamp = "[";
  AppendTwoDigits(stamp, t.year);
  stamp += '-';
  AppendTwoDigits(stamp, t.month);
  stamp += '-';
  AppendTwoDigits(stamp, t.day);
  stamp += ' ';
  AppendTwoDigits(stamp, t.hour);
  stamp += separator;
  AppendTwoDigits(stamp, t.minute);
  stamp += separator;
  AppendTwoDigits(stamp, t.second);
  stamp += ']';
  return stamp;
}

std::string FormatEntry(int32_t level, const std::string& text) {
  const RunLogOs& os = CurrentRunLogOs();
  std::string entry(kLevelNames[level]);
  entry += '\t';
  entry += FormatTimeStamp(os.localNow(), os.timeSeparator());
  entry += '\t';
  entry += text;
  return entry;
}
}  // namespace

TRunLog::TRunLog(NativePath fileName, bool verbose, int32_t maxLines)
    : FFileName(std::move(fileName)), FMaxLines(maxLines), FVerbose(verbose) {}

void TRunLog::Add(const std::string& text, int32_t level) {
  level = std::clamp(level, kVerboseLevel, kErrorLevel);
  if (level == kVerboseLevel && !FVerbose) return;
  PushNewest(FormatEntry(level, text));
  if (static_cast<int64_t>(FLines.size()) > FMaxLines) {
    FContent.resize(FContent.size() - FLines.back().size() - kLineEnd.size());
    FLines.pop_back();
  }
  Save();
}

// Grows the content in place (one move of its bytes, rarely a new block) and keeps both members
// in step even when memory runs out half-way.
void TRunLog::PushNewest(std::string entry) {
  const size_t added = entry.size() + kLineEnd.size();
  FContent.insert(0, entry + std::string(kLineEnd));
  try {
    FLines.insert(FLines.begin(), std::move(entry));
  } catch (...) {
    FContent.erase(0, added);
    throw;
  }
}

bool TRunLog::OpenLogFile() const { return ShellOpenPath(FFileName); }

const std::vector<std::string>& TRunLog::Lines() const { return FLines; }
const NativePath& TRunLog::FileName() const { return FFileName; }
bool TRunLog::Verbose() const { return FVerbose; }
int32_t TRunLog::MaxLines() const { return FMaxLines; }

// Never truncates the log in place: the new content goes to a file beside it, which then
// replaces the log in one step. Failures are dropped on purpose; the next Add retries.
void TRunLog::Save() const {
  try {
    ReplaceFileContent(FFileName, FContent, CurrentRunLogOs().files);
  } catch (const std::exception&) {
    // Out of memory for the temporary name: the file keeps its last complete content.
  }
}
