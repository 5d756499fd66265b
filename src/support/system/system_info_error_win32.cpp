#include <windows.h>

#include "support/system/system_error_text.h"
#include "support/system/system_info_error.h"

void RaiseOSError(uint32_t code) {
  throw OSError(code, OSErrorMessage(code, SystemErrorText(code)));
}

void RaiseLastOSError() { RaiseOSError(GetLastError()); }
