// TZYLStrEditorDlg: the small memo dialog that edits one string ("String-Editor") or a hint
// ("Hint-Editor": the short part in the memo, the long part in the edit below it). Return
// presses OK; Ctrl+Return starts a new line.
#pragma once

#include <cstdint>
#include <string>

#include "design/pZYLObjectEditor.h"
#include "design/pZYLStrEditorDlg.fieldtypes.h"

namespace zyl {

class TZYLStrEditorDlg : public vcl::TForm {
  ZYL_CLASS(TZYLStrEditorDlg, vcl::TForm)
  explicit TZYLStrEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Value as one string with the memo taking at most MaxLength characters (-1: any
  // number); the edited text on OK, Value otherwise.
  static std::string EditString(const std::string& Value, int32_t MaxLength);
  // The same, answering whether the dialog was left with OK (Value then holds the text).
  static bool RunString(std::string& Value, int32_t MaxLength);
  // Edits a hint "short|long"; true on OK, with the new hint in Hint: the short part alone
  // when the long part is empty or blank, else short + "|" + long.
  static bool EditHint(std::string& Hint);

#include "design/pZYLStrEditorDlg.fields.h"
};

// The largest memo length: what -1 stands for.
constexpr int32_t ZYLStrEditorMaxLength = 2147483647;

inline constexpr vcl::TUnitEntry pZYLStrEditorDlgUnit =
    ZYLEditorFormUnit<TZYLStrEditorDlg>("pZYLStrEditorDlg");

}  // namespace zyl
