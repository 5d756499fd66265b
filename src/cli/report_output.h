#pragma once
// The command's two output streams. Every byte of the report is checked on its way out: a disk
// that fills up or a closed pipe must not leave a truncated report behind an exit status of 0.
#include <cstdio>
#include <string>

// Writes all of text to stream (stdout or stderr) and flushes it. False, with the system's
// reason, when any of it could not be written. On Windows a console gets the text as UTF-16
// (the text is UTF-8), anything else the bytes as they are.
bool WriteOutput(std::FILE* stream, const std::string& text, std::string& reason);

// Closes stream, which reports the errors of writes the system had still deferred (a full disk
// on a network file system shows only here). False with the reason when the close failed.
bool CloseOutput(std::FILE* stream, std::string& reason);
