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
// Shown for an empty wave by the wave chooser and the wave list editor.
inline constexpr char IDS_NOWAVESELECTED[] = "No Wave-File selected";
// The names under which the pickers show the global container's two image lists.
inline constexpr char ZYL_ICGLOBALBML[] = "Global BitmapList";
inline constexpr char ZYL_ICGLOBALIML[] = "Global ImageList";

}  // namespace zyl
