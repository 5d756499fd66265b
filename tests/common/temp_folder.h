#pragma once
// A fresh empty folder under the system's temporary folder, removed with its content.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

class TempFolder {
 public:
  // The prefix starts the folder's name; a unique number follows it.
  explicit TempFolder(const std::filesystem::path& prefix = "modulix-test");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return FPath; }
  // Converts to the file functions' own path type on either platform.
  std::filesystem::path File(const std::filesystem::path& name) const { return FPath / name; }
  std::vector<std::string> Names() const;  // UTF-8, sorted
  size_t Count() const { return Names().size(); }

 private:
  std::filesystem::path FPath;
};
