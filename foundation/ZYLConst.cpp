#include "foundation/ZYLConst.h"

namespace zyl {

const char* const SZYLWrongPixelFormat = "Wrong PixelFormat in ";
const char* const SZYLWrongPixelFormatEnd = " bitmap!";
const char* const SZYLInvalidOwner = "Invalid owner (<>TForm) or second instance on a form";
const char* const SZYLAlreadyOne = "Already one ";
const char* const SZYLOwnerNotForm = ": AOwner is not TForm";
const char* const SZYLOwnerIsChild = ": owner window style cannot be WS_CHILDWINDOW";
const char* const SZYLOwnerIsMDIChild = ": owner form style cannot be fsMDIChild";
const char* const SZYLControlInProject = " control in this project!";

const char* const SZYLBufferEndsEarly = "Buffer stream ends early";
const char* const SZYLBufferNotStreamable = "The entries of this buffer cannot be streamed";
const char* const SZYLNotABufferStream = "Not a buffer stream";
const char* const SZYLBufferNegativeCount = "Buffer stream has a negative entry count";
const char* const SZYLBufferEntriesDontFit = "Buffer stream entries do not fit this buffer";
const char* const SZYLNoGlyphCell = "The glyph strip has no cell %d (the built-in one has %d)";
const char* const SZYLNoButtonStyleReader = "No reader for the button style";
const char* const SZYLDockTaken =
    "A dock label or dock button (%s) is already attached to %s. Only one ZYLDockXXXX per control "
    "is allowed.";
const char* const SZYLCompressCorrupt = "Compressed data is corrupt: %s";
const char* const SZYLCompressNegativeLength = "Compressed data is corrupt: negative total length";
const char* const SZYLCompressLengthLimit =
    "Compressed data is corrupt: total length beyond the limit";
const char* const SZYLCompressBlockLength = "Compressed data is corrupt: block length out of range";
const char* const SZYLCompressBlockTruncated = "Compressed data is corrupt: block truncated";
const char* const SZYLCompressBlockTooLarge = "Compression block larger than %d bytes";
const char* const SZYLCompressTooLarge = "Data too large for a compressed stream";
const char* const SZYLListStreamLength = "Invalid length in list stream";
const char* const SZYLListItemTooLarge = "List item pictures exceed the size a list item may hold";
const char* const SZYLListBitmapInvalid = "Invalid bitmap in list";
const char* const SZYLImagesDifferInSize = "The images differ in size";
const char* const SZYLBitmapNotCut = "The bitmap cannot be cut into the images";
const char* const SZYLInvalidImageStrip = "Invalid image strip";
const char* const SZYLListFileOpenError = "%s: %s";
const char* const SZYLInvalidBitmapItem = "Invalid bitmap item";
const char* const SZYLInvalidStringItem = "Invalid string list item";
const char* const SZYLInvalidWaveData = "TZYLWave: invalid wave data";
const char* const SZYLInvalidWaveItem = "Invalid wave item";
const char* const SZYLListStreamVersion = "Unknown list stream version";
const char* const SZYLInvalidListStream = "Invalid list stream";
const char* const SZYLConnectorShowsItself = "An image list connector cannot show itself";
const char* const SZYLSpecialButtonFreed = "The button of this embedded button item was freed";
const char* const SZYLDateListNoVersion = "Invalid date list: no version";
const char* const SZYLDateListVersion = "Invalid date list: version %d";
const char* const SZYLDateListPartial = "Invalid date list: partial record";
const char* const SZYLDateListLongText = "Invalid date list: description too long";
const char* const SZYLDateListBadDate = "Invalid date list: bad date";
const char* const SZYLBadFaceSettings = "Invalid face controller settings: %s";
const char* const SZYLGradientListTooLong = "Gradient colour list too long";
const char* const SZYLTooManyTiles = "Too many tiles to draw";
const char* const SZYLCannotOpenKey = "Cannot open registry key %s";
const char* const SZYLInvalidEncodedValue = "Invalid encoded value";
const char* const SZYLRegionDataTooLarge = "Invalid region data: too large";
const char* const SZYLInvalidRegionData = "Invalid region data";
const char* const SZYLPointListOdd = "Invalid point list: odd number of values";

const char* const SZYLUndo = "&Undo";
const char* const SZYLCut = "&Cut";
const char* const SZYLCopy = "&Copy";
const char* const SZYLPaste = "&Paste";
const char* const SZYLDelete = "&Delete";
const char* const SZYLSelectAll = "Select all";
const char* const SZYLReplace = "Replace";
const char* const SZYLSearch = "Search";
const char* const SZYLSearchAtTop = "At top ... restart from bottom?";
const char* const SZYLSearchAtBottom = "At bottom ... restart from top?";

const char* const SZYLDontShowAgain = "Don't show again";
const char* const SZYLInputCaption = "Input...";
const char* const SZYLCancel = "Cancel";
const char* const SZYLNewFolder = "&New Folder";
const char* const SZYLFolderError = "IO-Error!\rCould not create folder.";
const char* const SZYLNextTip = "&Next Tip";
const char* const SZYLPreviousTip = "&Previous Tip";
const char* const SZYLNoTips = "No Items available - Dialog will not be displayed...";
const char* const SZYLAvailableMemory = "Available Memory:";
const char* const SZYLPlatformCPU = "Platform, CPU:";
const char* const SZYLSystemResources = "System Resources:";
const char* const IDS_PATH = "Path:";

const char* const ZYL_DEFAULTFONT = "MS Sans Serif";

namespace {

const char* const kInfoCaptions[] = {
    "Username", "Windows directory", "Current directory", "Free space on current disk",
    "Disk size of current Disk", "System directory", "Registered owner", "Registered company",
    "Version", "Colordepth (in bits)", "Screensaver delay", "Memory size",
    "Free system resources", "Free GDI resources", "Free user resources", "Computername",
    "Major version", "Build", "Memory loaded", "Memory free", "Free memory pages",
    "Total memory pages", "Free virtual memory", "Total virtual memory", "Platform ID",
    "Platform", "Number of processors", "Processor", "Temp path", "DOS version", "NumLock",
    "CapsLock", "ScrollLock", "Date and time", "CompanyName", "ProductName", "Version",
    "Version", "Version", "Version", "Copyright", "LegalTrademark", "FileDescription",
    "Comments", "CPU Speed"};
static_assert(sizeof(kInfoCaptions) / sizeof(kInfoCaptions[0]) == ZYLInfoTypeCount,
              "one caption per information kind");

}  // namespace

std::string ZYLSIInfoToString(TZYLInfoType Kind) {
  const int k = static_cast<int>(Kind);
  return k < ZYLInfoTypeCount ? kInfoCaptions[k] : std::string();
}

}  // namespace zyl
