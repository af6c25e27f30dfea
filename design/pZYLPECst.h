// Texts the design-time editor forms show, as the forms' own resource strings.
#pragma once

namespace zyl {

// The wave chooser.
inline constexpr char IDS_WAVECAPTION[] = "Select Wave";
inline constexpr char IDS_PATHS[] = "Paths:";
inline constexpr char IDS_ADD[] = "&Add";
inline constexpr char IDS_REMOVE[] = "&Remove";
inline constexpr char IDS_CLEARLIST[] = "Clear &List";
inline constexpr char IDS_ACTUALWAVE[] = "Current Wave:";
inline constexpr char IDS_LOAD[] = "&Load";
inline constexpr char IDS_SAVE[] = "&Save";
inline constexpr char IDS_PLAY[] = "&Play";
inline constexpr char IDS_CLEAR[] = "&Clear";
inline constexpr char IDS_SAVEFILEAS[] = "Save File as...";
inline constexpr char IDS_WAVEFILTER[] = "Wave-Files (*.wav)|*.wav";
inline constexpr char IDS_DELETELIST[] = "Really delete List?";
// The list editors name a dropped file that loaded but could not become an item: the open-error
// text, then the file's name on a line of its own.
inline constexpr char IDS_DROPITEMERROR[] = "%s:\r%s";
// Shown for an empty wave by the wave chooser and the wave list editor.
inline constexpr char IDS_NOWAVESELECTED[] = "No Wave-File selected";
// The names under which the pickers show the global container's two image lists.
inline constexpr char ZYL_ICGLOBALBML[] = "Global BitmapList";
inline constexpr char ZYL_ICGLOBALIML[] = "Global ImageList";
// The property editors: the value column's text of the About entry, the filter of a file-name
// property's open dialog (any file), the help-file dialog's filter and title.
inline constexpr char ZYL_PEABOUT[] = "(About...)";
inline constexpr char ZYL_PEALLFILTER[] = "All files (*.*)|*.*";
inline constexpr char ZYL_PEHELPFILTER[] = "Helpfiles (*.hlp)|*.hlp";
inline constexpr char ZYL_PEHELPTITLE[] = "Specify HelpFile";

// Shown when the multimedia face editor is asked for without a face image list.
inline constexpr char IDS_NOBUTTONFACELIST[] =
    "Can't run Editor because no ButtonFaceImageList is selected.";

// The section editor refuses a list box with fewer than two header sections.
inline constexpr char ZYL_SECTIONSREQUIRED[] =
    "One or more Sections required to start Section-Editor dialog!";
// The system and dialog component editors: the caption of a dialog's test run.
inline constexpr char IDS_TESTDIALOG[] = "Test dialog...";

}  // namespace zyl
