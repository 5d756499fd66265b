#pragma once
// Whole files as bytes, for tests that check what was written.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

inline std::optional<std::string> ReadFileText(const std::filesystem::path& path) {  // none: unreadable
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileText(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
