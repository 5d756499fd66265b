#pragma once
// Helpers of the downloader tests: the message parts of run log lines, and the shared helpers.
#include <string>
#include <vector>

#include "common/file_text.h"
#include "common/temp_folder.h"

// "Error" + TAB + "[24-05-17 10:31:06]" + TAB + message -> "Error: message".
inline std::vector<std::string> LevelsAndMessages(const std::vector<std::string>& lines) {
  std::vector<std::string> result;
  for (const std::string& line : lines) {
    const size_t first = line.find('\t');
    const size_t second = line.find('\t', first + 1);
    result.push_back(line.substr(0, first) + ": " + line.substr(second + 1));
  }
  return result;
}
