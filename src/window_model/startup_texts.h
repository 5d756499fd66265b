#pragma once
// Texts the start-up composes.
#include <string>

// "Empty slot !", line feed, carriage return, "Click here to get more RAM": 40 characters.
inline constexpr const char* kEmptySlotCaption = "Empty slot !\n\rClick here to get more RAM";
inline constexpr const char* kLinksFileName = "modulix.ini";

// The window caption: title + " v" + the file version (which may be empty).
std::string StartupCaption(const std::string& fileVersion);
// Where the links file is fetched from on the maker's site.
std::string LinksFileUrl(const std::string& site);
