// ZYLSysUtils: the system, shell and dialog-placement routines of the library, and the
// ZYLSI... queries of the running system.
//
// The library runs on the headless stand-in window system on Linux. Each query answers from
// that window system (system parameters, metrics, key states, the screen device) or from the
// Linux host (user, host name, memory, processors, environment, time zone); what a query
// answers here is noted beside it. Queries about facilities that this system does not have
// (the resources of the old 16-bit heaps, a registered owner) give neutral answers.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLClass.h"
#include "platform/base/Types.h"
#include "platform/sys/ShellIcons.h"

namespace vcl {
class TStrings;
}

namespace zyl {

// ---- Platform flags, set when the unit is initialised ----
// This system behaves as the NT line of the platform, version 5.1.
extern bool ZYLSIWindowsNT;
extern bool ZYLSIWindowsXP;
extern bool ZYLSIWindows98;
extern bool ZYLSIWindows2000;
// Always true on the NT line.
extern bool ZYLSIWindowsExtension;

// Whether font smoothing is switched on (SPI_GETFONTSMOOTHING of the window system).
bool ZYLSIFontSmoothing();

// ---- Identity and folders ----
std::string ZYLSIUserName();          // the login name (USER, LOGNAME, else the password entry)
std::string ZYLSIComputerName();      // the host name
std::string ZYLSIRegisteredOwner();   // the login name: there is no registration record here
std::string ZYLSIRegisteredCompany(); // empty: there is no registration record here
std::string ZYLSIWindowsDirectory();  // the home folder (HOME), with no trailing separator
std::string ZYLSISystemDirectory();   // "/usr/lib"
std::string ZYLSITempPath();          // the temporary folder, with a trailing separator
std::string ZYLSITempFile();          // a new empty temporary file (empty on failure)

// ---- Versions ----
std::string ZYLSIVersionStr();        // the kernel release ("6.1.0-...")
std::string ZYLSIPlatformStr();       // the kernel name and machine ("Linux x86_64")
int32_t ZYLSIMajorVersion();          // the kernel's major version
int32_t ZYLSIBuildNr();               // the kernel's minor version
// A field of the running program's version resource (empty when it has none): the strings
// CompanyName, ProductName, ProductVersion, LegalCopyright, LegalTrademarks, FileDescription,
// Comments and FileVersion; viFileVersionFull the fixed file version "a.b.c.d" and
// viFileVersionBuild its last number.
std::string ZYLSIVersionInfo(TZYLVersionInfoType Field);

// ---- Resources and memory ----
// Free resources of the 16-bit heaps in percent: those heaps do not exist here; the answer
// is 100 (nothing used up), as the NT line of the platform answers.
int32_t ZYLSIFreeGDIRes();
int32_t ZYLSIFreeUserRes();
int32_t ZYLSIFreeSysRes();
int32_t ZYLSIMemLoaded();             // used physical memory in percent (0..100)
int64_t ZYLSIMemTotal();              // physical memory in bytes
int64_t ZYLSIMemFree();               // available physical memory in bytes
int64_t ZYLSIMemPageTotal();          // physical memory plus swap in bytes
int64_t ZYLSIMemPageFree();           // available memory plus free swap in bytes
int64_t ZYLSIMemVirtTotal();          // the process's address-space limit (or 2^47 unlimited)
int64_t ZYLSIMemVirtFree();           // that limit less the process's virtual size
int64_t ZYLSIMemVirtExtended();       // 0: no extended virtual memory here

// ---- Processor ----
int32_t ZYLSIProcessorCount();        // processors online (at least 1)
std::string ZYLSIProcessorTypeStr();  // the CPU model name, else the machine name

// ---- Locale and time ----
uint16_t ZYLSISystemDefaultLanguageID();  // the language of the thread's locale
std::string ZYLSIGetTimeZone();           // the local time zone's abbreviation
int32_t ZYLSIGetTimeZoneBias();           // minutes to add to local time to get UTC

// ---- Screen, keyboard and shell ----
int32_t ZYLSIScreenSaverDelay();      // SPI_GETSCREENSAVETIMEOUT in seconds
int32_t ZYLSIColorDepth();            // planes x bits per pixel of the screen device
bool ZYLSINumLock();                  // toggle states of the window system's keyboard
bool ZYLSICapsLock();
bool ZYLSIScrollLock();
int32_t ZYLSIIconWidth();             // SM_CXICON, SM_CYICON, SM_CXSMICON, SM_CYSMICON
int32_t ZYLSIIconHeight();
int32_t ZYLSISmallIconWidth();
int32_t ZYLSISmallIconHeight();
// Clears List and fills it with the environment block, one "NAME=value" line each.
void ZYLSIEnvironment(vcl::TStrings* List);

// ---- Drives ----
// Drive letters map to folders (C: to "/", others through ZYL_DRIVE_<letter>). Clears List
// and fills it with the mapped drives as "C:\", in letter order.
void ZYLSIDriveList(vcl::TStrings* List);
// The drive type of a drive letter ('a'..'z' too): 3 (fixed) for a mapped drive, 1 (no root
// folder) otherwise.
uint32_t ZYLSIDriveInfo(char Drive);
// The caption of a drive type 0..6 ("Unknown", "No root dir", "Removable", "Fixed",
// "Remote", "CD-ROM", "RAM disk"); "Unknown" for other values.
std::string ZYLSIDriveTypeStr(uint32_t Type);

// The value of an information kind as text. Divider divides the memory and disk figures
// (values below 1 count as 1); Format is the date-time format of itCurrentDateTime (empty:
// the short date and long time format).
std::string GetSystemInfoString(TZYLInfoType Kind, int32_t Divider, const std::string& Format);

// ---- Shell ----
// SHGetFileInfoA with the size of the information record.
uintptr_t ZYLSHGetFileInfo(const std::string& Path, uint32_t Attributes, win::SHFILEINFOA& Info,
                           uint32_t Flags);
// The handle of the shell's system image list of large or small icons.
uintptr_t ZYLSISystemIconListHandle(bool Large);

// ---- Dialog placement ----
// The rectangle a dialog is placed relative to: the screen, its work area, the main form's
// bounds or the active form's bounds (the screen when there is no such form).
vcl::TRect ZYLDlgGetTargetRect(TZYLDlgPosRel PosRel);
// Moves the window (keeping its size, z-order and activation) to Position relative to Target
// and keeps it within the desktop and at non-negative coordinates. The Boolean is unused.
void ZYLPositionWindow(win::HWND Handle, const vcl::TRect& Target, TZYLDlgPosition Position,
                       bool Unused);

}  // namespace zyl
