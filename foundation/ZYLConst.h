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
// Reading and checking the library's streams and lists; "%s"/"%d" are Format patterns.
extern const char* const SZYLBufferEndsEarly;
extern const char* const SZYLBufferNotStreamable;
extern const char* const SZYLNotABufferStream;
extern const char* const SZYLBufferNegativeCount;
extern const char* const SZYLBufferEntriesDontFit;
extern const char* const SZYLNoGlyphCell;
extern const char* const SZYLNoButtonStyleReader;
extern const char* const SZYLDockTaken;
extern const char* const SZYLCompressCorrupt;
extern const char* const SZYLCompressNegativeLength;
extern const char* const SZYLCompressLengthLimit;
extern const char* const SZYLCompressBlockLength;
extern const char* const SZYLCompressBlockTruncated;
extern const char* const SZYLCompressBlockTooLarge;
extern const char* const SZYLCompressTooLarge;
extern const char* const SZYLListStreamLength;
extern const char* const SZYLListItemTooLarge;
extern const char* const SZYLListBitmapInvalid;
extern const char* const SZYLImagesDifferInSize;
extern const char* const SZYLBitmapNotCut;
extern const char* const SZYLInvalidImageStrip;
extern const char* const SZYLListFileOpenError;
extern const char* const SZYLInvalidBitmapItem;
extern const char* const SZYLInvalidStringItem;
extern const char* const SZYLInvalidWaveData;
extern const char* const SZYLInvalidWaveItem;
extern const char* const SZYLListStreamVersion;
extern const char* const SZYLInvalidListStream;
extern const char* const SZYLConnectorShowsItself;
extern const char* const SZYLSpecialButtonFreed;
extern const char* const SZYLDateListNoVersion;
extern const char* const SZYLDateListVersion;
extern const char* const SZYLDateListPartial;
extern const char* const SZYLDateListLongText;
extern const char* const SZYLDateListBadDate;
extern const char* const SZYLBadFaceSettings;
extern const char* const SZYLGradientListTooLong;
extern const char* const SZYLTooManyTiles;
extern const char* const SZYLCannotOpenKey;
extern const char* const SZYLInvalidEncodedValue;
extern const char* const SZYLRegionDataTooLarge;
extern const char* const SZYLInvalidRegionData;
extern const char* const SZYLPointListOdd;

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
