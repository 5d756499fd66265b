#pragma once
// The addresses behind the main window's buttons.
#include <string>

// The "ram" value of the links file counts only when it is a web address: longer than one
// character, "http://" or "https://" in any letter case, a host, no control characters. The file
// arrives over plain HTTP, so anything else (a program, a share, a file: address) is refused.
bool IsUsableLink(const std::string& value);
// The value when it is usable, else the program's own page on the maker's site.
std::string ChooseBuyMemoryLink(const std::string& site, const std::string& value);
// The maker's search for a module: manufacturer + " " + model, percent-encoded.
std::string ModuleSearchUrl(const std::string& site, const std::string& manufacturer,
                                   const std::string& model);
std::string DriversPageUrl(const std::string& site);
