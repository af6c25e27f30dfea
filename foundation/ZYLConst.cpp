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
