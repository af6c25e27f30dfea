// Environment variables and the program's command line. Values are code page 1252 in the
// program and UTF-8 in the process environment.
#pragma once

#include <string>
#include <vector>

#include "platform/base/Types.h"

namespace win {

// The value's length when it fits `size` (terminating zero included), else the size needed;
// 0 when the variable is not set.
DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size);
// A null value removes the variable.
BOOL SetEnvironmentVariableA(LPCSTR name, LPCSTR value);
// Replaces each "%NAME%" of a set variable by its value; unknown names stay as written.
// Returns the size the result needs (terminating zero included); copies it when it fits.
DWORD ExpandEnvironmentStringsA(LPCSTR src, LPSTR dst, DWORD size);

}  // namespace win

namespace vcl {

// The value, or an empty string when the variable is not set.
std::string GetEnvironmentVariable(const std::string& name);
std::string ExpandEnvironmentStrings(const std::string& s);

// The program's arguments. main() hands them over with SetCommandLine; without that they are
// read from the process. ParamStr(0) is the program's full file name; an index out of range
// gives an empty string.
void SetCommandLine(int argc, const char* const* argv);
void SetCommandLine(const std::vector<std::string>& args);
int ParamCount();
std::string ParamStr(int index);

}  // namespace vcl
