// modulix-report: the memory report on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/report_run.h"

namespace {

// The report is one string written once: unbuffered, it goes out in a single write, without
// the stream's buffer or its checks of the output first.
void WriteAll(const std::string& text, std::FILE* stream) {
  if (text.empty()) return;
  std::setvbuf(stream, nullptr, _IONBF, 0);
  std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  std::string out, err;
  int code = RunReport(args, out, err);
  WriteAll(err, stderr);
  WriteAll(out, stdout);
  return code;
}
