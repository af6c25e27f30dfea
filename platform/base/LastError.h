// The calling thread's last error code, as the platform's calls leave it for GetLastError.
#pragma once

#include "platform/base/Types.h"

namespace win {

DWORD GetLastError();
void SetLastError(DWORD code);

}  // namespace win
