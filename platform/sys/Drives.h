// The system's drives: which letters exist, what kind of medium each is, its volume label and,
// for a network drive, the remote name it is connected to.
//
// A drive is a mapped one (see "Paths" in docs/CONVENTIONS.md: X: is the folder ZYL_DRIVE_X,
// C: is "/" unless mapped). Its kind and label come from the mounted file system that holds
// the drive's folder, read from the mount table (the file named by ZYL_MOUNTS, else
// /proc/self/mounts): network file systems (nfs, cifs, smb, sshfs, 9p) are remote drives,
// iso9660 and udf CD drives, tmpfs and ramfs RAM disks, FAT file systems (vfat, exfat, msdos)
// and mounts under /media and /run/media removable drives, everything else fixed. A volume
// label is the name of the link in the label folder (ZYL_DISK_LABELS, else /dev/disk/by-label)
// that leads to the mount's device. A drive whose folder does not exist (a medium taken out, a
// folder removed) has no root directory.
#pragma once

#include "platform/base/Types.h"

namespace win {

constexpr UINT DRIVE_UNKNOWN = 0;
constexpr UINT DRIVE_NO_ROOT_DIR = 1;
constexpr UINT DRIVE_REMOVABLE = 2;
constexpr UINT DRIVE_FIXED = 3;
constexpr UINT DRIVE_REMOTE = 4;
constexpr UINT DRIVE_CDROM = 5;
constexpr UINT DRIVE_RAMDISK = 6;

constexpr UINT SEM_FAILCRITICALERRORS = 0x0001;
constexpr UINT SEM_NOGPFAULTERRORBOX = 0x0002;
constexpr UINT SEM_NOOPENFILEERRORBOX = 0x8000;

constexpr DWORD ERROR_NOT_READY = 21;
constexpr DWORD ERROR_MORE_DATA = 234;
constexpr DWORD ERROR_BAD_DEVICE = 1200;
constexpr DWORD ERROR_NOT_CONNECTED = 2250;

// Bit 0 for A: up to bit 25 for Z:, set for every mapped drive.
DWORD GetLogicalDrives();
// The kind of drive of a root such as "C:\" (DRIVE_NO_ROOT_DIR for an unmapped letter, a
// missing folder or a name that is no drive root).
UINT GetDriveTypeA(LPCSTR rootPathName);
inline UINT GetDriveType(LPCSTR root) { return GetDriveTypeA(root); }
// The volume's label (at most nameSize - 1 characters), serial number (0), longest name part
// (255), file-system flags (0) and file-system name (the mount's type in upper case). FALSE
// with ERROR_PATH_NOT_FOUND when the drive has no root directory; any output may be null.
BOOL GetVolumeInformationA(LPCSTR rootPathName, LPSTR volumeNameBuffer, DWORD volumeNameSize,
                           DWORD* volumeSerialNumber, DWORD* maximumComponentLength,
                           DWORD* fileSystemFlags, LPSTR fileSystemNameBuffer,
                           DWORD fileSystemNameSize);
inline BOOL GetVolumeInformation(LPCSTR r, LPSTR v, DWORD vs, DWORD* s, DWORD* m, DWORD* f, LPSTR n,
                                 DWORD ns) {
  return GetVolumeInformationA(r, v, vs, s, m, f, n, ns);
}
// The remote name of a network drive ("F:") as "\\server\share\path": NO_ERROR (0);
// ERROR_MORE_DATA with the length needed in *length when the buffer is too small;
// ERROR_NOT_CONNECTED for a drive that is not a network drive; ERROR_BAD_DEVICE for a name
// that is no drive.
DWORD WNetGetConnectionA(LPCSTR localName, LPSTR remoteName, DWORD* length);
inline DWORD WNetGetConnection(LPCSTR l, LPSTR r, DWORD* n) { return WNetGetConnectionA(l, r, n); }
// Sets the process's error mode and answers the previous one. Nothing here shows a system
// error box, so the mode is only kept.
UINT SetErrorMode(UINT mode);

}  // namespace win
