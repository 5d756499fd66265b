#pragma once
// Helpers shared by the run log tests: a private folder, whole-file reads, and the
// operating-system table put back after each test.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "support/run_log/run_log_os.h"

// Restores every operating-system call of the run log when it goes out of scope.
class ScopedRunLogOs {
 public:
  ScopedRunLogOs() : FSaved(CurrentRunLogOs()) {}
  ~ScopedRunLogOs() { CurrentRunLogOs() = FSaved; }
  ScopedRunLogOs(const ScopedRunLogOs&) = delete;
  ScopedRunLogOs& operator=(const ScopedRunLogOs&) = delete;

 private:
  RunLogOs FSaved;
};

// A fresh empty folder under the system's temporary folder, removed with its content.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<unsigned> counter{0};
    std::ostringstream name;
    name << "modulix-run-log-" << std::random_device{}() << "-" << counter++;
    FPath = std::filesystem::temp_directory_path() / name.str();
    std::filesystem::create_directories(FPath);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return FPath; }
  // Converts to the file functions' own path type on either platform.
  std::filesystem::path File(const std::string& name) const { return FPath / name; }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(FPath))
      names.push_back(entry.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path FPath;
};

inline std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
