#pragma once
// Helpers of the downloader tests: a private folder, whole-file reads, and the message parts of
// run log lines.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

class TGrabberFolder {
 public:
  TGrabberFolder() {
    static std::atomic<unsigned> counter{0};
    FPath = std::filesystem::temp_directory_path() /
            ("modulix-grabber-" + std::to_string(std::random_device{}()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(FPath);
  }
  ~TGrabberFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TGrabberFolder(const TGrabberFolder&) = delete;
  TGrabberFolder& operator=(const TGrabberFolder&) = delete;

  // Converts to the file functions' own path type on either platform.
  std::filesystem::path File(const std::string& name) const { return FPath / name; }
  size_t Count() const {
    return size_t(std::distance(std::filesystem::directory_iterator(FPath), std::filesystem::directory_iterator()));
  }

 private:
  std::filesystem::path FPath;
};

inline std::optional<std::string> ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

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
