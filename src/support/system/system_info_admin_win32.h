#pragma once
// The group test behind RunsAsAdministrator, apart from the token so it can be tried on group
// lists made up for the purpose.
#include <windows.h>

// True when `groups` lists `administrators` without the deny-only flag.
bool GroupsGrantAdministrators(const TOKEN_GROUPS& groups, PSID administrators);
