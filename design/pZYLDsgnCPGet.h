// The design-time routines around image lists and list files: the folder last used for each
// kind of list file (kept in the design-time option storage), the image picker for a
// component's image properties, and copying chosen items from one image or bitmap list (or a
// list file) into another; the launchers of the wave chooser and of the list editors.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLClass.h"

namespace vcl {
class IFormDesigner;
class TComponent;
}  // namespace vcl

namespace zyl {

class TZYLBitmapList;
class TZYLCustomImageList;
class TZYLImageList;
class TZYLStringList;
class TZYLWave;
class TZYLWaveList;

// The folder last used for a list file of that kind ("" when none was kept). A kind outside
// the six list kinds raises EListError.
void ZYLSaveListPath(TZYLListItemClassType Kind, const std::string& Path);
std::string ZYLRestoreListPath(TZYLListItemClassType Kind);

// Lets the developer choose an image in the picker: with a designer, among the global lists
// and the designed form's image lists, otherwise within List. On OK, List is the chosen list
// (nil after "Clear"); for a strip list ListIndex is the chosen strip and ImageIndex the image,
// for a bitmap list ListIndex is the chosen bitmap and ImageIndex stays. True exactly on OK;
// on Cancel nothing changes.
bool ZYLCPGetIMLExt(vcl::IFormDesigner* Designer, TZYLCustomImageList*& List, uint16_t& ListIndex,
                    uint16_t& ImageIndex);
bool ZYLCPGetIML(TZYLCustomImageList*& List, uint16_t& ListIndex, uint16_t& ImageIndex);

// Shows Source's items in the picker, several to choose, and appends the chosen ones to
// Target: a bitmap list gets a copy of each chosen bitmap, a strip list gets each chosen image
// in its strip ListIndex (masked by the image's transparent colour). Images whose size does not
// fit the strip are left out and the user is told. True exactly when something was added.
bool ZYLCPIMLAddItemsDlg(TZYLCustomImageList* Source, TZYLCustomImageList* Target, int ListIndex);
// The same with the items of a list file (a bitmap list file for a bitmap list target, an
// image list file otherwise); a file that cannot be read raises and Target stays as it was.
bool ZYLCPIMLAddItemsFromFile(const std::string& FileName, TZYLCustomImageList* Target,
                              int ListIndex);

// The wave editor on a working copy of Wave; true exactly when it ended with OK.
bool ZYLCPGetWave(TZYLWave* Wave);

// The list editors on a working copy of the list: true exactly when the editor ended with OK,
// which assigns the edited copy back to List once; every other ending leaves List as it was.
// The bitmap and image list editors open on the first item (none for an empty list), the
// wave and string list editors with no line selected.
bool ZYLCPGetBitmapList(TZYLBitmapList* List);
bool ZYLCPGetImageList(TZYLImageList* List);
bool ZYLCPGetWaveList(TZYLWaveList* List);
bool ZYLCPGetStringList(TZYLStringList* List);

// The multimedia button face editor on Component's face table, its pictures from List: without
// a list the developer is told and nothing opens; on OK a multimedia button takes the edited
// table and its transparent colour again. True exactly when the button took a table.
bool ZYLCPGetButtonFaceMM(vcl::TComponent* Component, TZYLCustomImageList* List);

}  // namespace zyl
