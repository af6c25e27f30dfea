// The platform's error codes (the values GetLastError reports), as far as the layer uses them.
#pragma once

namespace win {

constexpr int ERROR_SUCCESS = 0;
constexpr int ERROR_FILE_NOT_FOUND = 2;
constexpr int ERROR_PATH_NOT_FOUND = 3;
constexpr int ERROR_ACCESS_DENIED = 5;
constexpr int ERROR_INVALID_HANDLE = 6;
constexpr int ERROR_NO_MORE_FILES = 18;
constexpr int ERROR_GEN_FAILURE = 31;
constexpr int ERROR_INVALID_PARAMETER = 87;
constexpr int ERROR_DISK_FULL = 112;
constexpr int ERROR_INSUFFICIENT_BUFFER = 122;
constexpr int ERROR_ALREADY_EXISTS = 183;

}  // namespace win
