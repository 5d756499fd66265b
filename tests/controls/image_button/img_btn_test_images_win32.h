#pragma once
// Pictures for the image buttons under test, drawn at run time: a 32 x 32 image list with
// 0 = empty memory slot, 1 = driver update. The caller owns the list (ImageList_Destroy).
#include <windows.h>
#include <commctrl.h>

constexpr int kButtonImageSize = 32;
constexpr int kEmptySlotImage = 0;
constexpr int kDriversImage = 1;

HIMAGELIST CreateButtonImageList();
