// The run-time texts of the library that users see (menus, dialogs, messages, captions).
#pragma once

#include <string>

#include "foundation/ZYLClass.h"

namespace zyl {

// Exceptions.
extern const char* const SZYLWrongPixelFormat;      // "Wrong PixelFormat in "
extern const char* const SZYLWrongPixelFormatEnd;   // " bitmap!"
extern const char* const SZYLInvalidOwner;          // the invalid-owner text of ZYLEOneInstError
extern const char* const SZYLAlreadyOne;            // "Already one "
extern const char* const SZYLControlInProject;      // " control in this project!"
extern const char* const SZYLOwnerNotForm;          // ": AOwner is not TForm"
extern const char* const SZYLOwnerIsChild;          // ": owner window style cannot be ..."
extern const char* const SZYLOwnerIsMDIChild;       // ": owner form style cannot be ..."

// The edit controls' context menu and search.
extern const char* const SZYLUndo;
extern const char* const SZYLCut;
extern const char* const SZYLCopy;
extern const char* const SZYLPaste;
extern const char* const SZYLDelete;
extern const char* const SZYLSelectAll;
extern const char* const SZYLReplace;
extern const char* const SZYLSearch;          // "Search", the caption of the search questions
extern const char* const SZYLSearchAtTop;     // going up, at the start of the text
extern const char* const SZYLSearchAtBottom;  // going down, at the end of the text

// Dialogs.
extern const char* const SZYLDontShowAgain;
extern const char* const SZYLInputCaption;
extern const char* const SZYLCancel;
extern const char* const SZYLNewFolder;
extern const char* const SZYLFolderError;  // a new folder could not be made
extern const char* const SZYLNextTip;
extern const char* const SZYLPreviousTip;
extern const char* const SZYLNoTips;  // the tip dialog has nothing to show
extern const char* const SZYLAvailableMemory;
extern const char* const SZYLPlatformCPU;
extern const char* const SZYLSystemResources;
extern const char* const IDS_PATH;

// The library's default font name.
extern const char* const ZYL_DEFAULTFONT;

// The standard caption of a system-information kind.
std::string ZYLSIInfoToString(TZYLInfoType Kind);

}  // namespace zyl
