// The framework's resource strings that reach the user verbatim: error texts (every throw
// site takes its text from here) and the names the colour dialog stores. Texts with "%s"/"%d"
// are Format patterns.
#pragma once

namespace vcl {

// Run-time library.
constexpr const char SInvalidInteger[] = "'%s' is not a valid integer value";
constexpr const char SInvalidFloat[] = "'%s' is not a valid floating point value";
constexpr const char SInvalidCurrency[] = "'%s' is not a valid currency value";
constexpr const char SInvalidBoolean[] = "'%s' is not a valid boolean value";
constexpr const char SInvalidDate[] = "'%s' is not a valid date";
constexpr const char SInvalidTime[] = "'%s' is not a valid time";
constexpr const char SInvalidDateTime[] = "'%s' is not a valid date and time";
constexpr const char SDateEncodeError[] = "Invalid argument to date encode";
constexpr const char STimeEncodeError[] = "Invalid argument to time encode";
constexpr const char SInvalidFormat[] = "Format '%s' invalid or incompatible with argument";
constexpr const char SCannotCreateDir[] = "Unable to create directory";
constexpr const char SOutOfMemory[] = "Out of memory";
constexpr const char SOperationAborted[] = "Operation aborted";
constexpr const char SZeroDivide[] = "Floating point division by zero";
constexpr const char SOverflow[] = "Floating point overflow";

// Classes and streams.
constexpr const char SFOpenError[] = "Cannot open file %s";
constexpr const char SFCreateError[] = "Cannot create file %s";
constexpr const char SReadError[] = "Stream read error";
constexpr const char SWriteError[] = "Stream write error";
constexpr const char SInvalidImage[] = "Invalid stream format";
constexpr const char SClassNotFound[] = "Class %s not found";
constexpr const char SNotComponentClass[] = "Class %s is not a component class";
constexpr const char SDuplicateName[] = "A component named %s already exists.";
constexpr const char SInvalidName[] = "'%s' is not a valid component name.";
constexpr const char SBlankComponentName[] = "A component name cannot be blank";
constexpr const char SComponentNameTooLong[] = "A component name is at most 255 characters long";
constexpr const char SInvalidPropertyValue[] = "Invalid property value";
constexpr const char SInvalidPropertyReadError[] = "Invalid property value: %s";
constexpr const char SInvalidPropertyPath[] = "Invalid property path";
constexpr const char SUnknownProperty[] = "Property %s does not exist";
constexpr const char SDuplicateClass[] = "Class %s already registered";
constexpr const char SReadOnlyProperty[] = "Property %s is read-only";
constexpr const char SInvalidPropertyReference[] = "Invalid property value: %s (%s)";
constexpr const char SPropertyReadError[] = "Error reading %s.%s: %s";
constexpr const char SAncestorNotFound[] = "Ancestor for '%s' not found";
constexpr const char SStreamNestingTooDeep[] = "Stream nesting too deep";
constexpr const char SStringTooLong[] = "String too long";
constexpr const char SBinaryTooLarge[] = "Binary value too large";
constexpr const char SEventSignatureMismatch[] =
    "Invalid class typecast: the handler has another signature";
constexpr const char SEventObjectMismatch[] =
    "Invalid class typecast: the handler is not a method of %s";
constexpr const char SListIndexError[] = "List index out of bounds (%d)";
constexpr const char SListCapacityError[] = "List capacity out of bounds (%d)";
constexpr const char SListCountError[] = "List count out of bounds (%d)";
constexpr const char SDuplicateString[] = "String list does not allow duplicates";
constexpr const char SSortedListError[] = "Operation not allowed on sorted list";

// Object model, streams and threads.
constexpr const char SItemClassMismatch[] = "Invalid property value: %s is not a %s";
constexpr const char SNoItemClass[] = "Collection has no item class";
constexpr const char SNotAComponentClass[] = "Cannot create an instance of %s as a component";
constexpr const char SNotAnItemClass[] = "Cannot create an instance of %s as a collection item";
constexpr const char SAbstractClass[] = "Cannot create an instance of abstract class %s";
constexpr const char SAssignError[] = "Cannot assign a %s to a %s";
constexpr const char SResNotFound[] = "Resource %s not found";
constexpr const char SCantWriteResourceStream[] = "Can't write to a read-only resource stream";
constexpr const char SCantWriteMemoryStream[] = "Can't write to a read-only memory stream";
constexpr const char SInvalidStreamPosition[] = "Invalid stream position";
constexpr const char SInvalidStreamSize[] = "Invalid stream size";
constexpr const char SMemoryStreamError[] = "Out of memory while expanding memory stream";
constexpr const char SStreamSizeFixed[] = "Stream size cannot be changed";
constexpr const char SNoSourceStream[] = "No source stream";
constexpr const char SFileSizeError[] = "Cannot set the size of file %s";
constexpr const char SThreadWaitsForItself[] = "Thread cannot wait for itself";
constexpr const char SThreadSuspended[] = "Cannot wait for a suspended thread";
constexpr const char SInvalidPropertyType[] = "Invalid property type: %s";
constexpr const char SInvalidPropertyElement[] = "Invalid property element: %s";
constexpr const char SNoProperty[] = "Property does not exist";
constexpr const char SPropertyOfOtherClass[] = "Property %s does not belong to %s";
constexpr const char SReadPropertyOfNil[] = "Cannot read property %s of nil";
constexpr const char SWritePropertyOfNil[] = "Cannot write property %s of nil";
constexpr const char SInvalidCast[] = "Invalid class typecast";
constexpr const char SCannotRepublish[] =
    "Class %s cannot publish %s: no ancestor has that property";
constexpr const char SPropertyTypecast[] = "Invalid class typecast for property %s";

// Text form of form streams; the parser adds " on line N".
constexpr const char SParseError[] = "%s on line %d";
constexpr const char SIdentifierExpected[] = "Identifier expected";
constexpr const char SStringExpected[] = "String expected";
constexpr const char SNumberExpected[] = "Number expected";
constexpr const char SCharExpected[] = "'%s' expected";
constexpr const char SInvalidBinary[] = "Invalid binary value";
constexpr const char SUnterminatedString[] = "Unterminated string";
constexpr const char SInvalidCharCode[] = "Invalid character code";
constexpr const char SIntegerOutOfRange[] = "Integer value out of range";
constexpr const char SInvalidFloatText[] = "Invalid floating point number '%s'";
constexpr const char SCurrencyOutOfRange[] = "Currency value out of range";
constexpr const char SNameTooLong[] = "Name too long";
constexpr const char SParserNestingTooDeep[] = "Nesting too deep";

// Menus.
constexpr const char SMenuIndexError[] = "Menu index out of range";
// The text of an item that stands for an empty list.
constexpr const char SRNone[] = "(None)";
constexpr const char SMenuReinserted[] = "Menu inserted twice";
constexpr const char SMenuNotFound[] = "Sub-menu is not in menu";
constexpr const char SMenuTooDeep[] = "Menus cannot nest more than %d levels deep";
constexpr const char SOutOfResources[] = "Out of system resources";

// Standard controls.
constexpr const char SListBoxOutOfSpace[] = "List box is out of space";
constexpr const char SComboBoxOutOfSpace[] = "Combo box is out of space";
constexpr const char SNoComboBoxClass[] = "Cannot find window class ComboBox";

// Colour dialog: the 16 custom colours are stored as "ColorA" .. "ColorP".
constexpr const char SColorPrefix[] = "Color";
constexpr const char SColorTags[] = "ABCDEFGHIJKLMNOP";

// Scroll bars: a range, page or position that does not fit.
constexpr const char SScrollBarRange[] = "Scrollbar property out of range";

// Dialogs: button captions, titles and the texts of the common dialogs.
constexpr const char SOKButton[] = "OK";
constexpr const char SCancelButton[] = "Cancel";
constexpr const char SYesButton[] = "&Yes";
constexpr const char SNoButton[] = "&No";
constexpr const char SAbortButton[] = "&Abort";
constexpr const char SRetryButton[] = "&Retry";
constexpr const char SIgnoreButton[] = "&Ignore";
constexpr const char SAllButton[] = "&All";
constexpr const char SNoToAllButton[] = "N&o to All";
constexpr const char SYesToAllButton[] = "Yes to &All";
constexpr const char SHelpButton[] = "&Help";
constexpr const char SMsgDlgWarning[] = "Warning";
constexpr const char SMsgDlgError[] = "Error";
constexpr const char SMsgDlgInformation[] = "Information";
constexpr const char SMsgDlgConfirm[] = "Confirm";
constexpr const char SOpenTitle[] = "Open";
constexpr const char SSaveTitle[] = "Save As";
constexpr const char SFileNotFound[] =
    "%s\nFile not found.\nPlease verify the correct file name was given.";
constexpr const char SPathNotFound[] = "%s\nPath does not exist.\nCheck the path and try again.";
constexpr const char SFileExistsReplace[] = "%s already exists.\nDo you want to replace it?";
constexpr const char SPageRangeError[] =
    "This value is not within the page range.\nEnter a number between %d and %d.";
constexpr const char SFontSizeRange[] = "Size must be between %d and %d points.";
constexpr const char SNoSuchFont[] =
    "There is no font with that name.\nChoose a font from the list of fonts.";
constexpr const char SColorValueError[] = "Color values range from %d to %d";

// Pictures.
constexpr const char SInvalidIcon[] = "Icon image is not valid";
constexpr const char SInvalidIconPng[] = "PNG image of the icon is not valid: %s";
constexpr const char SIconPngTooLarge[] = "PNG image of the icon is too large: %d x %d pixels";
constexpr const char SInvalidBitmap[] = "Bitmap image is not valid";
constexpr const char SInvalidBitmapHandle[] = "Invalid bitmap handle";
constexpr const char SInvalidPixelFormat[] = "Invalid pixel format";
constexpr const char SScanLine[] = "Scan line index out of range";
constexpr const char SNoCanvasHandle[] = "Canvas does not allow drawing";
constexpr const char SInvalidFontHandle[] = "Invalid font handle";
constexpr const char SInvalidPixelsPerInch[] = "Invalid pixels per inch";
constexpr const char SInvalidPenHandle[] = "Invalid pen handle";
constexpr const char SInvalidBrushHandle[] = "Invalid brush handle";
constexpr const char SChangeIconSize[] = "Cannot change the size of an icon";
constexpr const char SUnknownFileFormat[] = "Invalid graphic format";
constexpr const char SUnknownExtension[] = "Unknown picture file extension (.%s)";
constexpr const char SPngNoSignature[] = "no PNG signature";
constexpr const char SPngEmptyPicture[] = "Cannot write an empty picture";
constexpr const char SPngNoPixels[] = "Cannot read the picture's pixels";

// Printers.
constexpr const char SPrinterIndexError[] = "Printer selected is not valid";
constexpr const char SPrinting[] = "Printing in progress";
constexpr const char SInvalidCopies[] = "Invalid number of copies";
constexpr const char SNotPrinting[] = "Printer is not currently printing";
constexpr const char SNoDefaultPrinter[] = "There is no default printer currently selected";
constexpr const char SFileNotAssigned[] = "File not assigned";
constexpr const char SFileNotOpen[] = "File not open";

// Clipboard.
constexpr const char SCannotOpenClipboard[] = "Cannot open clipboard";
constexpr const char SCannotPutFormat[] = "Cannot put data of format %d on the clipboard";
constexpr const char SNoComponentToCopy[] = "No component to copy";
constexpr const char SCannotPutBitmap[] = "Cannot put the bitmap on the clipboard";
constexpr const char SUnknownClipboardFormat[] = "Unknown picture format on the clipboard";
constexpr const char SClipboardNoPicture[] = "The clipboard holds no picture";

// Windows, controls and forms.
constexpr const char SNoTimers[] = "Not enough timers available";
constexpr const char SControlParentSetToSelf[] = "A control cannot have itself as its parent";
constexpr const char SModalNoAnswer[] = "Modal form %s was left without an answer";
constexpr const char SSizeConstraintRange[] = "Size constraint out of range: %d";
constexpr const char SSizeConstraintIndex[] = "Size constraint index out of range: %d";
constexpr const char SNoWindowClass[] = "Cannot find window class %s";
constexpr const char SNoScrollBarClass[] = "Cannot find window class ScrollBar";
constexpr const char SNoListBoxClass[] = "No list box class";
constexpr const char SEditBorderStyle[] = "Edit borders are bsNone or bsSingle";
constexpr const char SNegativeMaxLength[] = "MaxLength cannot be negative";
constexpr const char SCheckBoxAlignment[] = "A check box is aligned left or right";
constexpr const char SRadioButtonAlignment[] = "A radio button is aligned left or right";
constexpr const char SWindowClass[] = "Cannot register window class %s";
constexpr const char SWindowCreate[] = "Error creating window for %s";

// Registry and ini files.
constexpr const char SIniFileReadError[] = "Cannot read file %s: %s";
constexpr const char SIniFileWriteError[] = "Unable to write to %s";
constexpr const char SRegHiveCorrupt[] = "Registry hive '%s' is corrupt at line %d: %s";
constexpr const char SRegHiveOpen[] = "Cannot open registry hive '%s': %s";
constexpr const char SRegHiveRead[] = "Cannot read registry hive '%s': %s";
constexpr const char SRegHiveNotAFile[] = "Registry hive '%s' is not a file";
constexpr const char SRegHiveTooLarge[] = "Registry hive '%s' is too large";
constexpr const char SRegFolderCreate[] = "Cannot create the registry folder '%s': %s";
constexpr const char SRegHiveWrite[] = "Cannot write registry hive '%s': %s";
constexpr const char SRegHiveSizeLimit[] = "Registry hive '%s' would grow beyond its size limit";
constexpr const char SRegHiveReplace[] = "Cannot replace registry hive '%s': %s";
constexpr const char SRegLockOpen[] = "Cannot open registry lock '%s': %s";
constexpr const char SRegLock[] = "Cannot lock registry hive '%s': %s";
constexpr const char SInvalidRegType[] = "Invalid data type for '%s'";
constexpr const char SRegCreateFailed[] = "Failed to create key %s";
constexpr const char SRegGetDataFailed[] = "Failed to get data for '%s'";
constexpr const char SRegSetDataFailed[] = "Failed to set data for '%s'";

// Common controls.
constexpr const char SPageIndexError[] =
    "%d is an invalid PageIndex value.  PageIndex must be between 0 and %d";
constexpr const char SPropertyOutOfRange[] = "%s property out of range";

// Grids.
constexpr const char SGridTooLarge[] = "Grid too large for operation";
constexpr const char SIndexOutOfRange[] = "Grid index out of range";
constexpr const char SFixedColTooBig[] = "Fixed column count must be less than column count";
constexpr const char SFixedRowTooBig[] = "Fixed row count must be less than row count";
constexpr const char STooManyDeleted[] = "Too many rows or columns deleted";

// Image lists.
constexpr const char SInvalidImageSize[] = "Invalid image size";
constexpr const char SImageIndexError[] = "Invalid ImageList Index";
constexpr const char SImageReadFail[] = "Failed to read ImageList data from stream";

// Masked edits.
constexpr const char SMaskEditErr[] = "Invalid input value.  Use escape key to abandon changes";

// The library's buttons and wizard.
constexpr const char SZYLWrongFaceStrip[] =
    "The face bitmap must hold nine faces of equal width side by side (it is %d pixels wide)";
constexpr const char SZYLWrongFaceIndices[] =
    "The face table must be %d bytes long (the stream holds %d)";

// The library's typed edits.
constexpr const char SZYLInvalidMask[] = "'%s' is not a valid mask";
constexpr const char SZYLNoInteger[] = "No integer entered";
constexpr const char SZYLNoWord[] = "No word entered";
constexpr const char SZYLNoFloat[] = "No float entered";
constexpr const char SZYLNoDate[] = "No date entered";
constexpr const char SZYLNoTime[] = "No time entered";
constexpr const char SZYLLinesWithoutMemo[] = "The line list belongs to no memo";

// The form designer and the design-time registrations.
constexpr const char srNone[] = "(None)";
constexpr const char srUnknown[] = "(Unknown)";
constexpr const char SOutOfRange[] = "Value must be between %d and %d";
constexpr const char SPaletteDuplicate[] = "Class %s is already registered on the palette";
constexpr const char SDesignPackageLoaded[] = "Package %s is already loaded";
constexpr const char SDesignPackageNotLoaded[] = "Package %s is not loaded";
constexpr const char SErrorLoadingPackage[] = "Can't load package %s.\n%s";
constexpr const char SInvalidPackageFile[] = "Invalid package file '%s'";
constexpr const char SDriveNotMapped[] = "The drive of the file is not mapped";
constexpr const char SRegUnitUnknown[] = "No registration unit is named %s";
constexpr const char SNoEditedComponents[] = "A property editor needs at least one component";
// The collection editor's caption: the edited property's path ("Form1.ListBox1.HeaderSections").
constexpr const char SColEditCaption[] = "Editing %s";
constexpr const char SUnknownComponentName[] = "Invalid property value: no component is named '%s'";
constexpr const char SUnknownMethodName[] = "Invalid property value: the form has no method '%s'";
constexpr const char SIntfCastError[] = "Interface not supported";
constexpr const char SModuleTargetNotFound[] = "Cannot save the module %s: %s not found";
constexpr const char SUnknownModule[] = "No module is named %s";
constexpr const char SVerbNotFound[] = "The context menu has no item %s";
// The library's design-time editors.
constexpr const char SZYLBadListKind[] = "There is no list kind %d (kinds run from 0 to 5)";
constexpr const char SZYLGradientTooFewColors[] =
    "A gradient needs at least two colours: add colours to the list or switch to Std";
constexpr const char SZYLNoEditorForm[] = "The editor form %s has no layout in the package";
constexpr const char SZYLNoSettingsLauncher[] = "No editor edits objects of class %s";
constexpr const char SZYLNoImageListPicker[] = "No image picker is installed to choose %s";
constexpr const char SZYLDatePartRange[] = "%s must lie between %d and %d";
constexpr const char SZYLNoSuchDay[] =
    "There is no day %d in month %d of %d: that month has %d days";
constexpr const char SZYLNotAPoint[] =
    "Entry %d of the point list is no point (its value %s does not fit in 32 bits)";
constexpr const char SZYLStrEditTextDeleted[] = "Current text will be deleted!";
constexpr const char SZYLStrEditNoSelection[] = "No text selected!";
constexpr const char SZYLHideCaptionsShown[] =
    "TZYLHideNonVC: Display of component caption in designmode is activated.\r"
    "Please disable this option or remove TZYLHideNonVC component.";
constexpr const char SZYLDeleteList[] = "Really delete List?";
constexpr const char SZYLSaveBmpAs[] = "Save Bitmap-File as...";
constexpr const char SZYLReplaceList[] =
    "The current list contains items. This operation will replace the list (removing all "
    "items).\rContinue?";
constexpr const char SZYLImageNotAdded[] =
    "The picture %s was not added: its size does not fit the images of the list (%d x %d).";
constexpr const char SZYLRegionNoColors[] = "Please choose at least one color to be transparent!";
constexpr const char SZYLRegionNoBitmap[] =
    "Please load a bitmap first: there is nothing to build a region from.";
constexpr const char SZYLRegionAllTransparent[] =
    "Every pixel of the bitmap is transparent: there is no region to build.";
constexpr const char SZYLImagesNotAdded[] =
    "%d of the chosen images could not be added: the strip holds images of %d x %d pixels";
// The AVI reader and the animation control.
constexpr const char SAviNotAvi[] = "The file is not an AVI clip";
constexpr const char SAviDamaged[] = "The AVI clip is damaged";
constexpr const char SAviNoVideo[] = "The AVI clip has no video stream";
constexpr const char SAviCodec[] = "The AVI clip's compression (%s) is not supported";
constexpr const char SAviNoFrames[] = "The AVI clip has no frames";
constexpr const char SAnimateNotOpen[] = "No AVI clip is open";
constexpr const char SDateTimeMin[] = "Date is less than minimum of %s";
constexpr const char SDateTimeMax[] = "Date exceeds maximum of %s";
constexpr const char SDateTimeRange[] = "Failed to set calendar min/max range";
constexpr const char SDateTimeNaN[] = "Date or time is not a number";
constexpr const char SCalSelRange[] = "Failed to set calendar selected range";
constexpr const char SCalMaxSelRange[] = "Failed to set maximum selection range";
constexpr const char SCalNeedMultiSelect[] = "A range of days needs MultiSelect";
constexpr const char SCalColorIndex[] = "Calendar colour index out of range (%d)";
constexpr const char SCalBorderWidth[] = "Border width must not be negative (%d)";
constexpr const char SToday[] = "Today:";
constexpr const char SDateListLine[] =
    "Line %d of the date list is not a date, a time and a description: '%s'";

}  // namespace vcl
