// Raising the framework's silent exception.
#pragma once

namespace vcl {

// Raises EAbort ("Operation aborted"), the exception the application reports to nobody.
[[noreturn]] void Abort();

}  // namespace vcl
