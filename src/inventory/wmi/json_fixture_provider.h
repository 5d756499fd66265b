#pragma once
// The WMI test seam: classes served from a JSON file instead of the system. The file is a JSON
// object whose members are class names, each an array of instances; an instance is an object
// whose members, in file order, are property names and values: string = text, integer = 32-bit
// integer when it fits, else 64-bit, true/false = Boolean, other numbers = real, null = null.
// A class missing from the file fails its query; [] is a class with no instances.
#include <cstdio>
#include <memory>
#include <string>

#include "inventory/wmi/in_memory_provider.h"
#include "support/files/native_path.h"

// Raises WmiError for text that is not JSON or not of that shape.
WmiClassTable ParseWmiFixture(const std::string& jsonText);

// The file's bytes; raises WmiError saying why (without the name) when it cannot be read or
// holds more than 16 MiB.
std::string ReadWmiFixtureFile(const NativePath& path);

// Reads and parses the file each time a locator is created, so a missing, broken or oversized
// (above 16 MiB) file fails the queries (Count -1) rather than the program.
std::shared_ptr<WmiProvider> MakeJsonFixtureProvider(NativePath path);
#ifdef _WIN32
// The same for a file named in UTF-8 (the tests' data files).
std::shared_ptr<WmiProvider> MakeJsonFixtureProvider(const std::string& utf8Path);
#endif

// The file MODULIX_WMI_FIXTURE names, read as UTF-16 on Windows; empty when unset or empty.
NativePath FixtureFileFromEnvironment();
// Opens the file for reading in binary mode, by its path as it is (UTF-16 on Windows); null on
// failure, with errno set.
std::FILE* OpenFixtureFile(const NativePath& path);
// The path in UTF-8, for messages.
std::string FixtureFileName(const NativePath& path);
