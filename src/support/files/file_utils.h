#pragma once
// File-system functions on UTF-16 paths: the per-user data folder, file versions, existence and
// size checks. None of them raises; failures give the neutral answers documented below.
#include <cstdint>
#include <string>

#include "support/files/file_utils_path.h"

// The system's own record types, declared here so this header stays free of <windows.h>.
struct _WIN32_FIND_DATAW;
struct _SECURITY_ATTRIBUTES;

// Whether the wide (UTF-16) file functions work. Set once by InitWideApiAvailable at program
// start, before any window exists; when false the functions below convert paths to the ANSI
// code page and call the ANSI functions instead.
extern bool WideApiAvailable;
void InitWideApiAvailable();

// The wide-or-ANSI family. Each calls the wide Windows function with the path unchanged, or the
// ANSI one with the path converted, as WideApiAvailable says.
// FindFirstFile: a search handle (close it with FindClose), or INVALID_HANDLE_VALUE.
void* WideFindFirstFile(const std::wstring& path, _WIN32_FIND_DATAW* data);
// Found, and not a folder.
bool WideFileExists(const std::wstring& path);
// Found, and a folder; an empty path is false.
bool WideDirectoryExists(const std::wstring& path);
// CreateDirectory; the wide call takes the path in its long form (LongPathForm).
bool WideCreateDirectory(const std::wstring& path, _SECURITY_ATTRIBUTES* attributes);
// GetFileVersionInfoSize: the size of the version resource, 0 on failure.
unsigned long WideGetFileVersionInfoSize(const std::wstring& path, unsigned long* handle);
// GetFileVersionInfo into `data` of `size` bytes.
bool WideGetFileVersionInfo(const std::wstring& path, unsigned long handle, unsigned long size,
                            void* data);

// The full path of the running executable.
std::wstring GetProgramPath();

// The roaming application-data folder + "Tervane\" + title, both levels created when missing,
// with a trailing backslash. When that folder cannot be made, the folder of `programPath`.
std::wstring GetUserDataFolder(const std::wstring& programPath, const std::wstring& title);
// The same below a given application-data folder instead of the shell's; an empty one gives
// the program's folder.
std::wstring GetUserDataFolder(const std::wstring& programPath, const std::wstring& title,
                               const std::wstring& appDataFolder);

// The file version as "1.4.5.11", empty when the file has no version resource, "File not found"
// when the path is no file.
std::wstring GetFileVersionText(const std::wstring& path);

// The size in bytes; 0 when the path is not found.
int64_t GetFileSize64(const std::wstring& path);

// A file (not a folder) of at least one byte. WOW64 redirection is off during the check, so a
// system-folder path names the native system folder.
bool FileExistsNotEmpty(const std::wstring& path);

// The folders programs are installed to, which only administrators may write: "Program Files"
// and, on 64-bit Windows, "Program Files (x86)". Those the shell cannot name are left out.
std::vector<std::wstring> GetProgramFilesFolders();
