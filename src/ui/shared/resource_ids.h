#pragma once
// Resource identifiers shared by the resource script and the code.
#define kIdiMain 1
#define kIdiEmptySlot 101
#define kIdiDrivers 102
