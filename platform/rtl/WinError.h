// The platform's error codes (the values GetLastError reports), as far as the layer uses them.
#pragma once

namespace win {

constexpr int ERROR_SUCCESS = 0;
constexpr int ERROR_FILE_NOT_FOUND = 2;
constexpr int ERROR_PATH_NOT_FOUND = 3;
constexpr int ERROR_ACCESS_DENIED = 5;
constexpr int ERROR_INVALID_HANDLE = 6;
constexpr int ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr int ERROR_BAD_FORMAT = 11;
constexpr int ERROR_NO_MORE_FILES = 18;
constexpr int ERROR_GEN_FAILURE = 31;
constexpr int ERROR_NOT_SUPPORTED = 50;
constexpr int ERROR_INVALID_PARAMETER = 87;
constexpr int ERROR_DISK_FULL = 112;
constexpr int ERROR_INSUFFICIENT_BUFFER = 122;
constexpr int ERROR_INVALID_LEVEL = 124;
constexpr int ERROR_ALREADY_EXISTS = 183;
constexpr int ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr int ERROR_CLIPBOARD_NOT_OPEN = 1418;
constexpr int ERROR_INVALID_PRINTER_NAME = 1801;

}  // namespace win
