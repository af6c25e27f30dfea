#include "edits/ZYLImageItems.h"

#include "foundation/ZYLStrings.h"
#include "platform/base/Finally.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/SysUtils.h"

namespace zyl::imageitems {

int ImageCount(const TZYLCustomImageList* List, int ListIndex) {
  if (!List || List->GetCount() == 0) return 0;
  return ZYLIsSingleItemImageList(List) ? List->GetCount() : List->ItemCount(ListIndex);
}

int ImageSize(const TZYLCustomImageList* List, int ListIndex, int Image, bool Height) {
  return List->Dimensions(ZYLIsSingleItemImageList(List) ? Image : ListIndex, Height);
}

int NamedImage(const std::string& Entry, char Delimiter, int Default) {
  if (Entry.find(Delimiter) == std::string::npos) return Default;
  return vcl::StrToIntDef(ZYLGetSecondString(Entry, Delimiter), -1);
}

bool SetNamedImage(vcl::TStrings* Items, int Index, char Delimiter, int ImageIndex) {
  if (Index < 0 || Index >= Items->Count()) return false;
  Items->SetStrings(Index, ZYLGetFirstString(Items->Strings(Index), Delimiter) + Delimiter +
                               std::to_string(ImageIndex));
  return true;
}

std::string EntryText(vcl::TStrings* Items, int Index, char Delimiter) {
  if (Index < 0 || Index >= Items->Count()) return {};
  return ZYLGetFirstString(Items->Strings(Index), Delimiter);
}

void FillBlanks(vcl::TStrings* Items, int Count, const char* Blank) {
  Items->BeginUpdate();
  const vcl::TFinally end([Items] { Items->EndUpdate(); });
  Items->Clear();
  for (int i = 0; i < Count; ++i) Items->Add(Blank);
}

}  // namespace zyl::imageitems
