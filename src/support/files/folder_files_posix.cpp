#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <memory>

#include "support/files/folder_files.h"

std::vector<FolderFile> RegularFilesIn(const NativePath& folder, std::chrono::seconds age) {
  std::vector<FolderFile> files;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), &closedir);
  if (!dir) return files;
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = readdir(dir.get())) {
    struct stat info {};
    const NativePath name = entry->d_name;
    if (stat((folder + "/" + name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    files.push_back({name, now - info.st_mtime > static_cast<std::time_t>(age.count())});
  }
  return files;
}

bool RemoveFolderFile(const NativePath& folder, const NativePath& name) {
  return unlink((folder + "/" + name).c_str()) == 0;
}
