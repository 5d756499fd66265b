#pragma once
// The application title: caption prefix, log file name, registry value and data folder name.
inline constexpr const char* kApplicationTitle = "Modulix";
inline constexpr const wchar_t* kApplicationTitleW = L"Modulix";
