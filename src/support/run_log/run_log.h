#pragma once
// The run log: what one run of the program did, as a text file people read in any editor.
// Every recorded entry rewrites the whole file, newest entry first, each entry followed by
// CR LF, ANSI bytes without a byte-order mark:
//   <level name> TAB [yy-mm-dd hh:mm:ss] TAB <message>
// The file is replaced atomically (written beside it, then moved over it), so a crash or a full
// disk during a save leaves the previous complete file. A save that fails is not reported; the
// entry stays in Lines() and reaches the file with the next save that succeeds.
#include <cstdint>
#include <string>
#include <vector>

#include "support/files/native_path.h"

class TRunLog {
 public:
  // Levels: 0 "Verbose" (recorded only when verbose), 1 "Info", 2 "Error". Levels above 2 are
  // written as "Error"; negative levels count as 0. Neither reads nor truncates the file.
  TRunLog(NativePath fileName, bool verbose, int32_t maxLines);

  void Add(const std::string& text, int32_t level);
  bool OpenLogFile() const;  // through ShellOpenPath; true when the shell took the request

  const std::vector<std::string>& Lines() const;  // the formatted entries, newest first
  const NativePath& FileName() const;             // the log file, as given
  bool Verbose() const;
  int32_t MaxLines() const;  // entries kept; each Add drops at most one oldest entry

 private:
  void PushNewest(std::string entry);
  void Save() const;

  std::vector<std::string> FLines;
  std::string FContent;  // FLines as the file holds them, kept in step so a save copies nothing
  NativePath FFileName;
  int32_t FMaxLines;
  bool FVerbose;
};
