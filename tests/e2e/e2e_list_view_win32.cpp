// Reading a list view that lives in another process: the item record and the text buffer must
// be in that process's memory, so both are allocated there and read back.
#include "e2e_driver_win32.h"

#include <commctrl.h>

#include <stdexcept>

namespace {

constexpr size_t kCellChars = 512;

class ProcessHandle {
 public:
  explicit ProcessHandle(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    handle_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!handle_) throw std::runtime_error("cannot open the program's process");
  }
  ~ProcessHandle() { CloseHandle(handle_); }
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

class RemoteBlock {
 public:
  RemoteBlock(HANDLE process, size_t size) : process_(process) {
    address_ = static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!address_) throw std::runtime_error("cannot allocate in the program's process");
  }
  ~RemoteBlock() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;
  char* address() const { return address_; }

 private:
  HANDLE process_;
  char* address_;
};

std::string ReadCell(HWND list, HANDLE process, const RemoteBlock& block, int row, int column) {
  char* remoteText = block.address() + sizeof(LVITEMA);
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = remoteText;
  item.cchTextMax = static_cast<int>(kCellChars);
  WriteProcessMemory(process, block.address(), &item, sizeof(item), nullptr);
  const LRESULT length = SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(block.address()));
  std::string text(kCellChars, '\0');
  ReadProcessMemory(process, remoteText, text.data(), text.size(), nullptr);
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace

std::vector<std::vector<std::string>> ReadListRows(HWND list, int columns) {
  ProcessHandle process(list);
  RemoteBlock block(process.get(), sizeof(LVITEMA) + kCellChars);
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  std::vector<std::vector<std::string>> rows;
  for (int row = 0; row < count; ++row) {
    std::vector<std::string> cells;
    for (int column = 0; column < columns; ++column) cells.push_back(ReadCell(list, process.get(), block, row, column));
    rows.push_back(std::move(cells));
  }
  return rows;
}
