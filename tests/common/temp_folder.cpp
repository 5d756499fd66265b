#include "common/temp_folder.h"

#include <algorithm>
#include <atomic>
#include <random>
#include <system_error>

TempFolder::TempFolder(const std::filesystem::path& prefix) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path name = prefix;
  name += "-" + std::to_string(std::random_device{}()) + "-" + std::to_string(counter++);
  FPath = std::filesystem::temp_directory_path() / name;
  std::filesystem::create_directories(FPath);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(FPath, ignored);
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(FPath)) {
    const std::u8string name = entry.path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  std::sort(names.begin(), names.end());
  return names;
}
