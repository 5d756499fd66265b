// e2e_driver COMMAND [ARG] [COMMAND [ARG]...]: acts on the running program's main window and
// prints one tab-separated line per command, for the end-to-end test to read.
//   wait MS        waits for the main window           -> window
//   caption        its caption                          -> caption TEXT
//   geometry       client size, client origin, outer box-> geometry W H X Y LEFT TOP RIGHT BOTTOM
//   state ID       a control's visibility and enabling  -> state ID VISIBLE ENABLED TEXT
//   list ID        the rows of a list view              -> rows ID N, then row ID I CELL0 CELL1
//   click ID       real left click at the control centre-> click ID FOREGROUND
//   front          brings it to the front; a point of  -> front FOREGROUND X Y
//                  its client area, in screen pixels
//   command ID     posts WM_COMMAND ID                  -> command ID
//   close          posts WM_CLOSE                       -> close
//   away           activates another window and back    -> away AWAY_ACTIVE BACK_ACTIVE
//   facts          whether this user is an administrator-> admin 0|1
//   vendor NAME    a value of HKCU\Software\Tervane     -> vendor NAME DATA (UTF-8), no DATA if missing
//   focus          the control with the keyboard focus  -> focus ID (0: the window, -1: none)
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "e2e_driver_win32.h"

namespace {

constexpr int kListColumns = 2;

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out;
}

HWND RequireMain() {
  HWND main = FindMainWindow();
  if (!main) throw std::runtime_error("no main window");
  return main;
}

HWND RequireControl(int id) {
  HWND control = FindControl(RequireMain(), id);
  if (!control) throw std::runtime_error("no control with id " + std::to_string(id));
  return control;
}

bool IsAdministrator() {
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  PSID admins = nullptr;
  if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &admins))
    return false;
  BOOL member = FALSE;
  if (!CheckTokenMembership(nullptr, admins, &member)) member = FALSE;
  FreeSid(admins);
  return member != FALSE;
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

// Wide, so a path outside the ANSI code page reads back exactly as the program stored it.
void PrintVendorValue(const std::string& name) {
  const std::wstring wideName(name.begin(), name.end());  // value names here are ASCII
  wchar_t data[1024] = {};
  DWORD size = sizeof(data);
  if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Tervane", wideName.c_str(), RRF_RT_REG_SZ,
                   nullptr, data, &size) != ERROR_SUCCESS) {
    std::printf("vendor\t%s\n", name.c_str());
    return;
  }
  std::printf("vendor\t%s\t%s\n", name.c_str(), Escaped(Utf8(data)).c_str());
}

void PrintState(int id) {
  HWND control = RequireControl(id);
  std::printf("state\t%d\t%d\t%d\t%s\n", id, IsWindowVisible(control) ? 1 : 0, IsWindowEnabled(control) ? 1 : 0,
              Escaped(TextOf(control)).c_str());
}

void PrintList(int id) {
  const auto rows = ReadListRows(RequireControl(id), kListColumns);
  std::printf("rows\t%d\t%zu\n", id, rows.size());
  for (size_t i = 0; i < rows.size(); ++i)
    std::printf("row\t%d\t%zu\t%s\t%s\n", id, i, Escaped(rows[i][0]).c_str(), Escaped(rows[i][1]).c_str());
}

void PrintGeometry() {
  HWND main = RequireMain();
  RECT client{};
  GetClientRect(main, &client);
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  RECT outer{};
  GetWindowRect(main, &outer);
  std::printf("geometry\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\n", client.right, client.bottom, origin.x,
              origin.y, outer.left, outer.top, outer.right, outer.bottom);
}

void Click(int id) {
  HWND control = RequireControl(id);
  const bool front = BringToFront(RequireMain());
  ClickCentre(control);
  std::printf("click\t%d\t%d\n", id, front ? 1 : 0);
}

// Keys are typed on the display's own keyboard by the test (see e2e_program.py); it needs the
// window in front and a point over it, where the display sends the keys.
void Front() {
  HWND main = RequireMain();
  const bool front = BringToFront(main);
  const POINT inside = NearClientOrigin(main);
  std::printf("front\t%d\t%ld\t%ld\n", front ? 1 : 0, inside.x, inside.y);
}

// The focus of the program's thread, which GetFocus cannot see from here.
void PrintFocus() {
  HWND main = RequireMain();
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
  const int id = !info.hwndFocus ? -1 : info.hwndFocus == main ? 0 : GetDlgCtrlID(info.hwndFocus);
  std::printf("focus\t%d\n", id);
}

// Runs the command at argv[i]; returns how many arguments it used.
int RunCommand(int argc, char** argv, int i) {
  const std::string command = argv[i];
  const bool hasArg = i + 1 < argc;
  const std::string arg = hasArg ? argv[i + 1] : "";
  auto number = [&] {
    if (!hasArg) throw std::runtime_error(command + " needs an argument");
    return std::atoi(arg.c_str());
  };
  if (command == "wait") {
    if (!WaitForMainWindow(static_cast<DWORD>(number()))) throw std::runtime_error("main window did not appear");
    std::printf("window\n");
    return 2;
  }
  if (command == "caption") return std::printf("caption\t%s\n", Escaped(TextOf(RequireMain())).c_str()), 1;
  if (command == "geometry") return PrintGeometry(), 1;
  if (command == "state") return PrintState(number()), 2;
  if (command == "list") return PrintList(number()), 2;
  if (command == "click") return Click(number()), 2;
  if (command == "front") return Front(), 1;
  if (command == "command") {
    PostMessageA(RequireMain(), WM_COMMAND, MAKEWPARAM(number(), 0), 0);
    return std::printf("command\t%d\n", number()), 2;
  }
  if (command == "close") return PostMessageA(RequireMain(), WM_CLOSE, 0, 0), std::printf("close\n"), 1;
  if (command == "away") {
    const AwayAndBack result = ActivateElsewhereAndBack(RequireMain());
    return std::printf("away\t%d\t%d\n", result.awayActive ? 1 : 0, result.backActive ? 1 : 0), 1;
  }
  if (command == "vendor") {
    if (!hasArg) throw std::runtime_error("vendor needs a value name");
    return PrintVendorValue(arg), 2;
  }
  if (command == "focus") return PrintFocus(), 1;
  if (command == "facts") return std::printf("admin\t%d\n", IsAdministrator() ? 1 : 0), 1;
  throw std::runtime_error("unknown command " + command);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    for (int i = 1; i < argc;) {
      i += RunCommand(argc, argv, i);
      std::fflush(stdout);
    }
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "e2e_driver: %s\n", error.what());
    return 1;
  }
}
