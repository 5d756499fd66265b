#pragma once
// Real files for the file-function tests: a fresh folder under the temporary folder, removed
// with everything in it (long paths included) when the test ends.
#include <cstdint>
#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, without a trailing backslash.
  const std::wstring& Path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// Creates (or replaces) a file holding `bytes`; false when that fails.
bool MakeFile(const std::wstring& path, const std::string& bytes);
// Creates a file of `size` bytes without writing them (sparse where the file system allows).
bool MakeFileOfSize(const std::wstring& path, int64_t size);
// Removes a file or a folder tree; the path may be longer than MAX_PATH.
void RemoveTree(const std::wstring& path);
